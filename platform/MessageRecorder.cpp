#include "platform/MessageRecorder.h"

MessageRecorder::MessageRecorder() : Previous_(SetMessageService(this)) {}
MessageRecorder::~MessageRecorder() {
    SetMessageService(Previous_);
}

int MessageRecorder::ShowBox(QWidget* owner, const std::string& text, const std::string& caption,
                             int buttons) {
    int answer = IDOK;
    if (!Answers_.empty()) {
        answer = Answers_.front();
        Answers_.pop_front();
    }
    Boxes.push_back({owner, caption, text, buttons, answer});
    if (OnBox)
        OnBox(Boxes.back());
    return answer;
}
