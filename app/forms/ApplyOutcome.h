#pragma once
// What the writes of one Apply came to, and the one text that says so: every write taken, rows or
// named groups left out and why, a write refused, or one left unanswered, which the device may
// have taken: a time-out reads as a time-out, never as a plain refusal.
#include <cstdint>
#include <string>
#include <utility>

class NxSNMPRequest2Controls;

class ApplyOutcome {
  public:
    // Shown in place of a success text when a write left out rows that nobody changed: all of
    // them, or some; rows that were not read, rows read whose value the form cannot show, or both.
    static constexpr const char* kNothingWritten = "Nothing written: settings not read.";
    static constexpr const char* kPartlyWritten = "Written, except settings not read.";
    static constexpr const char* kNothingWrittenUnshown = "Nothing written: settings the form cannot show.";
    static constexpr const char* kPartlyWrittenUnshown = "Written, except settings the form cannot show.";
    static constexpr const char* kNothingWrittenBoth =
        "Nothing written: settings not read or that the form cannot show.";
    static constexpr const char* kPartlyWrittenBoth =
        "Written, except settings not read or that the form cannot show.";
    // The text for rows left out: `sentSome` when other rows were written.
    static std::string LeftOutText(bool sentSome, bool unread, bool unshown);
    // Whether a write left out rows not read (first) and rows read but not shown (second).
    static std::pair<bool, bool> LeftOutKinds(const NxSNMPRequest2Controls& request);
    // Why the request's last write is no success although the device may have taken it: empty
    // when it left nothing out; else one of the texts above.
    static std::string NotWrittenText(const NxSNMPRequest2Controls& request);
    // `failed`, or the request's own text when its last operation timed out.
    static std::string FailureText(const NxSNMPRequest2Controls& request, const std::string& failed);

    // One write as TSettingsForm::Write returned it. False only when the device refused it or
    // did not answer: a write with nothing left to send is no refusal.
    bool Add(const NxSNMPRequest2Controls& request, bool written);
    // A step of the form's own failed.
    void Refused() { Refused_ = true; }
    // The form kept a row out of a write itself: one not read, or read and not showable.
    void LeftOut(bool unshown = false) { (unshown ? Unshown_ : LeftOut_) = true; }
    // The form kept a whole group out, named in the text: not read, or read and not showable.
    void GroupLeftOut(const std::string& name, bool unshown = false);
    bool AllTaken() const {
        return !Refused_ && !LeftOut_ && !Unshown_ && GroupsUnread_.empty() && GroupsUnshown_.empty();
    }
    bool AnyRefused() const { return Refused_; }

    // Where a time-out's text goes in a failure: in place of the form's failure text, after it, or
    // nowhere, when the form's failure text is the refused write's own.
    enum class TimeOut : uint8_t { InPlace, After, InFailure };
    // `success` when every write was taken whole, `failed` (with the time-out's text) after a
    // refusal, otherwise what was not written and why.
    std::string Text(const std::string& success, const std::string& failed,
                     TimeOut timeOut = TimeOut::InPlace) const;

  private:
    std::string TimeOut_;       // the first unanswered write's text
    std::string GroupsUnread_;  // "A, B"
    std::string GroupsUnshown_; // "A, B"
    bool Refused_ = false;
    bool LeftOut_ = false; // rows not read
    bool Unshown_ = false; // rows read whose value the form cannot show
    bool Sent_ = false;
};
