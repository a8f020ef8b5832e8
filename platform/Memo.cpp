#include "platform/Memo.h"

#include "platform/Text.h"

#include <QTextBlock>

std::string TMemo::Text() const {
    return FromQ(toPlainText());
}
void TMemo::SetText(const std::string& text) {
    setPlainText(ToQ(text));
}

int TMemo::LineCount() const {
    return toPlainText().isEmpty() ? 0 : document()->blockCount();
}

std::string TMemo::Line(int index) const {
    return FromQ(document()->findBlockByNumber(index).text());
}

void TMemo::AddLine(const std::string& line) {
    if (toPlainText().isEmpty())
        setPlainText(ToQ(line));
    else
        appendPlainText(ToQ(line));
}
