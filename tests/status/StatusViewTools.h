#pragma once
// Helpers of the status view tests: control texts by name and the picture of a form.
#include "tests/support/FormTestFixture.h"

#include <QWidget>
#include <string>

class TStatusBar;

// The text of the named edit or label below form; fails the test when there is none.
std::string TextOf(const QWidget& form, const char* name);

// With KTX_FORM_PICTURES naming a folder, the form is drawn to <folder>/<name>.png.
void SavePicture(QWidget& form, const std::string& name);

inline constexpr char kTree[] = "1.3.6.1.4.1.48113.11.37.4";
