#pragma once
// How a menu item opens a form: modally, owned by the application, deleted once closed.
#include "app/forms/Application.h"

#include <exception>
#include <memory>

template <class Form> void ShowModalForm() {
    auto form = std::make_unique<Form>(nullptr);
    form->exec();
}

// A form that moves files opens only when its TFTP server could start; a failure to build it is
// shown, not thrown into the menu.
template <class Form> void ShowServedForm() {
    try {
        Form form(nullptr);
        if (form.ServerStarted())
            form.exec();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}
