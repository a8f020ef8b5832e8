#include "library/common/NxEditConstraint.h"

#include "library/common/NxCommonErrors.h"
#include "library/common/NxNumList.h"
#include "library/common/ReplaceAll.h"
#include "platform/Exception.h"
#include "platform/FloatText.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"

#include <QWidget>
#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

namespace {

const char* const NullText = "(NULL)";
const char* const NotDoneText = "(NOTDONE)";

bool IsReservedText(const std::string& t) {
    return t == NullText || t == NotDoneText;
}

[[noreturn]] void BadFormat() {
    throw Exception(CommonMessage(-2), -2);
}

// The string class's floating-point conversion: the whole text must be a number.
double StrToFloat(const std::string& text) {
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size())
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return v;
}

// The C runtime's reading: blanks, then the longest leading decimal number; none reads as 0.
double LeadingNumber(const std::string& text) {
    size_t i = 0, n = text.size();
    while (i < n && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < n && text[i] == '.')
        for (++i; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) {
            while (j < n && std::isdigit(static_cast<unsigned char>(text[j])))
                ++j;
            i = j;
        }
    }
    return CTextToFloat(text.substr(start, i - start).c_str());
}

// A double cut to unsigned 32 bits the way an integer conversion wraps, without undefined
// behaviour for values beyond the range.
uint32_t CutToUInt32(double v) {
    if (std::isnan(v))
        return 0;
    v = std::trunc(v);
    constexpr double lim = 9.2e18;
    v = std::fmax(-lim, std::fmin(lim, v));
    return static_cast<uint32_t>(static_cast<int64_t>(v));
}

// Whether ch may follow the characters kept so far; pointSeen: kept already holds a ".".
bool AllowedAfter(const _EditConstraint_s& c, const std::string& kept, bool pointSeen, char ch) {
    const unsigned char u = static_cast<unsigned char>(ch);
    switch (c.Conversion) {
    case 'f':
        if (ch == '-')
            return kept.empty();
        if (ch == '.')
            return !pointSeen;
        return std::isdigit(u);
    case 'i':
        return std::isdigit(u) || (ch == '-' && kept.empty());
    case 'u':
        return std::isdigit(u);
    case 'h':
        return std::isxdigit(u);
    case 'n':
        if (ch == c.Delimiter)
            return !kept.empty() && kept.back() != c.Delimiter;
        return std::isdigit(u);
    default:
        return true;
    }
}

size_t ReadRun(const std::string& s, size_t i, const char* set) {
    size_t j = i;
    while (j < s.size() && std::strchr(set, s[j]) && s[j])
        ++j;
    return j;
}

} // namespace

NxEditConstraint::NxEditConstraint(QWidget* owner, uint8_t saveFlag)
    : Owner_(owner), SaveFlag_(saveFlag), Self_(std::make_shared<NxEditConstraint*>(this)) {}

NxEditConstraint::~NxEditConstraint() {
    *Self_ = nullptr;
}

void NxEditConstraint::Add(const std::string& format, const std::vector<QWidget*>& controls) {
    size_t next = 0;
    auto close = [&](const std::string& piece) {
        if (next >= controls.size())
            BadFormat();
        Parse(piece, controls[next++]);
    };
    std::string piece;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i > 0) {
            close(piece);
            piece.assign(1, '%'); // not = "%": GCC 12 raises a false -Wrestrict there
        } else {
            piece += format[i];
        }
        if (i + 1 == format.size())
            close(piece);
    }
}

void NxEditConstraint::Parse(const std::string& conversion, QWidget* control) {
    const std::string& p = conversion;
    TEdit* edit = qobject_cast<TEdit*>(control);
    if (!edit || p.size() < 2 || p[0] != '%')
        BadFormat();
    auto c = std::make_unique<_EditConstraint_s>();
    c->Control = edit;
    c->Conversion = p[1];
    size_t opts = 2;
    switch (p[1]) {
    case 's':
    case 'h':
    case 'f':
        c->Minimum = std::numeric_limits<double>::min();
        c->Maximum = std::numeric_limits<double>::max();
        break;
    case 'i':
        c->Minimum = -2147483648.0;
        c->Maximum = 2147483647.0;
        break;
    case 'u':
        c->Minimum = 0;
        c->Maximum = 4294967295.0;
        break;
    case 'n':
        if (p.size() < 3)
            BadFormat();
        c->Delimiter = p[2];
        c->Minimum = 0;
        c->Maximum = 4294967295.0;
        opts = 3;
        break;
    default:
        BadFormat();
    }
    if (opts < p.size()) {
        if (p[opts] != '{' || p.back() != '}' || p.size() - opts < 2)
            BadFormat();
        const std::string in = p.substr(opts + 1, p.size() - opts - 2);
        size_t i = 0;
        while (i < in.size()) {
            const char letter = in[i++];
            if (letter == 'n' || letter == 'x') {
                const size_t j = ReadRun(in, i, "-0123456789.");
                if (j == i)
                    BadFormat();
                (letter == 'n' ? c->Minimum : c->Maximum) = StrToFloat(in.substr(i, j - i));
                i = j;
            } else if (letter == 'l' || letter == 'w') {
                const size_t j = ReadRun(in, i, "0123456789");
                if (j == i)
                    BadFormat();
                const double value = StrToFloat(in.substr(i, j - i));
                const int number = value > 2147483647.0 ? 2147483647 : int(value);
                i = j;
                if (letter == 'w') {
                    if (number > 0)
                        edit->resize(number, edit->height());
                    continue;
                }
                c->Length = number;
                for (int k = 0; k < 3 && i < in.size(); ++k, ++i) {
                    if (in[i] == 'a')
                        c->LengthFlags |= _EditConstraint_s::AutoSkip;
                    else if (in[i] == 'f')
                        c->LengthFlags |= _EditConstraint_s::Fixed;
                    else if (in[i] == 'n')
                        c->LengthFlags |= _EditConstraint_s::NotEmpty;
                    else
                        break;
                }
            } else if (letter == 'e') {
                if (i >= in.size())
                    BadFormat();
                c->ExitChar = in[i++];
            } else {
                BadFormat();
            }
        }
    }
    edit->SetMaxLength(c->Length);
    c->PrevChange = edit->OnChange;
    c->PrevExit = edit->OnExit;
    edit->OnChange = [self = Self_, prev = c->PrevChange](QObject* sender) {
        if (*self)
            (*self)->OnEditChange(sender);
        else if (prev)
            prev(sender);
    };
    edit->OnExit = [self = Self_, prev = c->PrevExit](QObject* sender) {
        if (*self)
            (*self)->OnEditExit(sender);
        else if (prev)
            prev(sender);
    };
    Constraints_.push_back(std::move(c));
}

_EditConstraint_s* NxEditConstraint::Find(QObject* control) const {
    if (!control)
        return nullptr;
    for (const auto& c : Constraints_)
        if (c->Control == control)
            return c.get();
    return nullptr;
}

void NxEditConstraint::SaveText(QObject* control) {
    if (_EditConstraint_s* c = Find(control); c && c->Control)
        c->SavedText = c->Control->Text();
}

void NxEditConstraint::OnEditChange(QObject* sender) {
    _EditConstraint_s* c = Find(sender);
    if (!c || !c->Control)
        return;
    TEdit* edit = c->Control;
    if (Filtering_)
        return;
    const std::string t = edit->Text();
    if (t.empty() || IsReservedText(t))
        return;
    if (Showing_) {
        if (c->PrevChange)
            c->PrevChange(sender);
        return;
    }
    // One pass over the whole change, however long (a paste): every exit character and every
    // refused character goes at once, and the text is written back once.
    const int cursor = edit->cursorPosition();
    std::string kept;
    kept.reserve(t.size());
    bool pointSeen = false, exitSeen = false, refused = false;
    int removedBeforeCursor = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const char ch = t[i];
        const bool exit = c->ExitChar && ch == c->ExitChar;
        if (exit || !AllowedAfter(*c, kept, pointSeen, ch)) {
            (exit ? exitSeen : refused) = true;
            if (int(i) < cursor)
                ++removedBeforeCursor;
            continue;
        }
        pointSeen = pointSeen || ch == '.';
        kept += ch;
    }
    if (exitSeen || refused) {
        {
            // The write-back is this change's own: it must not be handled as another.
            const bool outer = Filtering_;
            Filtering_ = true;
            edit->SetText(kept);
            Filtering_ = outer;
        }
        edit->setCursorPosition(cursor - removedBeforeCursor);
        if (exitSeen)
            PostNextControl(Owner_ ? Owner_.data() : edit);
        if (refused)
            Beep(1000, 200);
        if (kept.empty())
            return;
    }
    const size_t length = kept.size();
    if (c->PrevChange) {
        c->PrevChange(sender);
        if (edit->Tag == -1)
            return;
    }
    if ((c->LengthFlags & _EditConstraint_s::AutoSkip) && c->Length > 0 && length == size_t(c->Length))
        PostNextControl(Owner_ ? Owner_.data() : edit);
}

void NxEditConstraint::Violation(_EditConstraint_s& c, const std::string& message) {
    LibraryMessageBox(Owner_, message);
    if (!c.Control)
        return;
    c.Control->SetText(c.SavedText);
    PostFocus(c.Control);
}

void NxEditConstraint::OnEditExit(QObject* sender) {
    _EditConstraint_s* c = Find(sender);
    if (!c || !c->Control)
        return;
    TEdit* edit = c->Control;
    const std::string t = edit->Text();
    if (IsReservedText(t))
        return;
    if (t.empty()) {
        if (c->LengthFlags & _EditConstraint_s::NotEmpty)
            Violation(*c, CommonMessage(-3));
        return;
    }
    const bool fixed = c->LengthFlags & _EditConstraint_s::Fixed;
    const std::string l = std::to_string(c->Length);
    std::string message;
    switch (c->Conversion) {
    case 's':
    case 'h': {
        if (c->Length <= 0)
            break;
        const int code = c->Conversion == 's' ? -4 : -6; // -5 / -7 for the exact length
        if (fixed && t.size() != size_t(c->Length))
            message = ReplaceAll(CommonMessage(code - 1), "[LEN]", l);
        else if (!fixed && t.size() > size_t(c->Length))
            message = ReplaceAll(CommonMessage(code), "[MAXLEN]", l);
        break;
    }
    case 'f':
    case 'i':
    case 'u': {
        const double v = LeadingNumber(t);
        if (v < c->Minimum || v > c->Maximum)
            message = ReplaceAll(ReplaceAll(CommonMessage(-8), "[MIN]", FloatToStr(c->Minimum)), "[MAX]",
                                 FloatToStr(c->Maximum));
        break;
    }
    case 'n': {
        NxNumList<unsigned int> list;
        list.Separator = c->Delimiter;
        list.Parse(t.c_str());
        const std::string delimiter(1, c->Delimiter);
        if (c->Length > 0 && fixed && list.Count() != c->Length)
            message = ReplaceAll(ReplaceAll(CommonMessage(-10), "[DELIMITER]", delimiter), "[COUNT]", l);
        else if (c->Length > 0 && !fixed && list.Count() > c->Length)
            message = ReplaceAll(ReplaceAll(CommonMessage(-9), "[DELIMITER]", delimiter), "[MAXCOUNT]", l);
        if (!message.empty())
            break;
        const uint32_t lo = CutToUInt32(c->Minimum), hi = CutToUInt32(c->Maximum);
        if (!list.AllInRange(lo, hi))
            message = ReplaceAll(ReplaceAll(ReplaceAll(CommonMessage(-11), "[DELIMITER]", delimiter), "[MIN]",
                                            std::to_string(lo)),
                                 "[MAX]", std::to_string(hi));
        break;
    }
    default:
        break;
    }
    if (!message.empty()) {
        Violation(*c, message);
        return;
    }
    if (c->PrevExit)
        c->PrevExit(sender);
    if (!c->Control)
        return;
    if (edit->Tag == -1)
        edit->SetText(c->SavedText);
    else if (SaveFlag_ == 1)
        c->SavedText = edit->Text();
}
