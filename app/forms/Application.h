#pragma once
// The application object's few services that the module uses: its title, the request to end,
// and the standard display of an exception.
#include <exception>
#include <string>

std::string ApplicationTitle();
// Also the caption of the library's boxes.
void SetApplicationTitle(const std::string& title);

// Ends the message loop as soon as it runs; the entry does not start it when already asked.
void ApplicationTerminate();
bool ApplicationTerminated();

// A box with the exception's message, captioned with the application title.
void ShowException(const std::exception& error);
