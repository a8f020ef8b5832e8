#include "library/common/NxEvaluator.h"

#include "library/common/NxCommonErrors.h"
#include "platform/Convert.h"
#include "platform/DateTime.h"

#include <cstdlib>
#include <strings.h>

namespace {

constexpr size_t npos = std::string::npos;

std::string Trim(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

bool IsNow(const std::string& text) {
    return strcasecmp(text.c_str(), "NOW") == 0;
}

// The ")" that closes the "(" at `open`, or npos.
size_t MatchingParenthesis(const std::string& text, size_t open) {
    int depth = 1;
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return npos;
}

double PlainTerm(const std::string& text) {
    if (IsNow(text))
        return Now();
    return CTextToFloat(text.c_str());
}

// Positions strictly between the first pair of double quotes do not count as operators.
struct QuotedPart {
    explicit QuotedPart(const std::string& text) {
        open = text.find('"');
        close = open == npos ? npos : text.find('"', open + 1);
    }
    bool Inside(size_t pos) const { return close != npos && pos > open && pos < close; }
    size_t FindOutside(const std::string& text, char c) const {
        for (size_t at = text.find(c); at != npos; at = text.find(c, at + 1))
            if (!Inside(at))
                return at;
        return npos;
    }
    size_t open, close;
};

} // namespace

double EvaluateNumber(const std::string& t) {
    const size_t open = t.find('(');
    if (open != npos) {
        const size_t close = MatchingParenthesis(t, open);
        if (close != npos) {
            const double inner = EvaluateNumber(t.substr(open + 1, close - open - 1));
            return EvaluateNumber(t.substr(0, open) + FloatToStr(inner) + t.substr(close + 1));
        }
    }
    size_t at;
    if ((at = t.find('+')) != npos)
        return EvaluateNumber(t.substr(0, at)) + EvaluateNumber(t.substr(at + 1));
    if ((at = t.find('-')) != npos)
        return EvaluateNumber(t.substr(0, at)) - EvaluateNumber(t.substr(at + 1));
    if ((at = t.find('*')) != npos)
        return PlainTerm(t.substr(0, at)) * EvaluateNumber(t.substr(at + 1));
    if ((at = t.find('/')) != npos)
        return PlainTerm(t.substr(0, at)) / EvaluateNumber(t.substr(at + 1));
    return PlainTerm(t);
}

bool EvaluateLogic(const std::string& t) {
    const QuotedPart quoted(t);
    const size_t open = quoted.FindOutside(t, '(');
    if (open != npos) {
        const size_t close = MatchingParenthesis(t, open);
        if (close != npos && !quoted.Inside(close)) {
            const bool inner = EvaluateLogic(t.substr(open + 1, close - open - 1));
            return EvaluateLogic(t.substr(0, open) + (inner ? "true" : "false") + t.substr(close + 1));
        }
    }
    size_t at;
    if ((at = quoted.FindOutside(t, '|')) != npos)
        return EvaluateLogic(t.substr(0, at)) || EvaluateLogic(t.substr(at + 1));
    if ((at = quoted.FindOutside(t, '&')) != npos)
        return EvaluateLogic(t.substr(0, at)) && EvaluateLogic(t.substr(at + 1));
    if ((at = quoted.FindOutside(t, '!')) != npos)
        return !EvaluateLogic(t.substr(at + 1));
    return EvaluateComparison(t);
}

bool EvaluateComparison(const std::string& t) {
    static const std::vector<std::string> operators = {"<>", ">=", "<=", ">", "<", "="};
    std::string left, right;
    const int op = SplitAtOperator(operators, t, left, right);
    if (op < 0) {
        if (strcasecmp(t.c_str(), "true") == 0)
            return true;
        if (strcasecmp(t.c_str(), "false") == 0)
            return false;
        RaiseCommonError(-1);
    }
    left = Unquote(Trim(left));
    right = Unquote(Trim(right));
    if (IsNow(left))
        left = FloatToStr(Now());
    if (IsNow(right))
        right = FloatToStr(Now());
    const int c = left.compare(right);
    switch (op) {
    case 0:
        return c != 0;
    case 1:
        return c >= 0;
    case 2:
        return c <= 0;
    case 3:
        return c > 0;
    case 4:
        return c < 0;
    default:
        return c == 0;
    }
}

std::string Unquote(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left,
                    std::string& right) {
    for (size_t i = 0; i < operators.size(); ++i) {
        const size_t at = text.find(operators[i]);
        if (at != npos) {
            left = text.substr(0, at);
            right = text.substr(at + operators[i].size());
            return static_cast<int>(i);
        }
    }
    return -1;
}
