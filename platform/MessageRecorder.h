#pragma once
// A message service for tests: keeps every box and beep and answers boxes as scripted.
// It installs itself for its lifetime and puts the previous service back when destroyed.
#include "platform/MessageBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class MessageRecorder : public MessageService {
  public:
    struct Box {
        QWidget* Owner;
        std::string Caption;
        std::string Text;
        int Buttons;
        int Answer;
    };
    struct Tone {
        uint32_t Frequency;
        uint32_t Milliseconds;
    };

    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Answers for the next boxes, in order; a box beyond them gets IDOK, its default button.
    void Answer(int id) { Answers_.push_back(id); }
    // Runs while a box is "up", e.g. to look at the screen behind it.
    std::function<void(const Box&)> OnBox;

    std::vector<Box> Boxes;
    std::vector<Tone> Beeps;

    int ShowBox(QWidget* owner, const std::string& text, const std::string& caption, int buttons) override;
    void Beep(uint32_t frequency, uint32_t milliseconds) override {
        Beeps.push_back({frequency, milliseconds});
    }

  private:
    std::deque<int> Answers_;
    MessageService* Previous_;
};
