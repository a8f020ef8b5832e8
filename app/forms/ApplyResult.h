#pragma once
// An Apply's result line and the re-read that follows it. A failed Apply's text stays in view
// whatever the re-read shows; after a successful Apply a failure that the re-read shows stays in
// view, and otherwise the success text does.
#include <functional>
#include <string>

class TStatusBar;

// Shows `text` (the Apply's result, `applied` when every write was taken), runs `reread`, then
// leaves on the bar what the user must see.
void ShowApplyResult(TStatusBar* bar, bool applied, const std::string& text,
                     const std::function<void()>& reread);

// The text where a form shows its results: panel 0 when the bar has panels, otherwise the simple text.
std::string ResultText(const TStatusBar* bar);

class NxSNMPRequest2Controls;

// What the writes of one Apply came to: all taken, one refused (or unanswered), or rows left out
// because the form had not read them (a write with nothing left to send is no refusal).
class WriteTally {
  public:
    // One write as TSettingsForm::Write returned it; false only when the device refused it.
    bool Add(const NxSNMPRequest2Controls& request, bool written);
    void Refused() { Refused_ = true; }
    // The form kept a row out of a write itself: one not read, or read and not showable.
    void LeftOut(bool unshown = false) { (unshown ? Unshown_ : LeftOut_) = true; }
    bool AllTaken() const { return !Refused_ && !LeftOut_ && !Unshown_; }
    bool AnyRefused() const { return Refused_; }
    // `success` when every write was taken whole, `failed` after a refusal, otherwise why not
    // everything was written. A write left unanswered may have been taken: its time-out text is
    // the result then, not `failed`.
    std::string Text(const std::string& success, const std::string& failed) const;

  private:
    std::string TimeOut_; // the first unanswered write's text
    bool Refused_ = false;
    bool LeftOut_ = false; // rows not read
    bool Unshown_ = false; // rows read whose value the form cannot show
    bool Sent_ = false;
};
