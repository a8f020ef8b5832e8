#pragma once
// Enter presses a form's button only when the form's layout made it the default button. Qt would
// otherwise let Enter in any edit press the first push button, or the one last focused.
class QWidget;

// Turns auto-default off for every push button of the form; buttons made default stay default.
// Call before the form first shows.
void DefaultButtonOnlyByLayout(QWidget& form);
