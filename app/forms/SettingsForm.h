#pragma once
// What every settings form adds to a request dialog: a fixed window with a status bar, requests
// built from their row tables, and blocking writes judged on their result. A form derives, lays
// itself out, calls SetUpWindow, builds its requests with MakeRequest and keeps only its own rules.
//
// Besides the dialog's passes, the form's opening (from construction to the first show) is one.
#include "app/forms/ApplyOutcome.h"
#include "app/forms/RequestDialog.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/VarDef.h"

#include <QSize>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class SupportProbe;
class TStatusBar;

// How MakeRequest builds a request. TimeOut 0 keeps the library's default.
struct RequestOptions {
    uint32_t TimeOut = 0; // hundredths of a second
    uint8_t Kind = SVT_SV;
    uint8_t Mode = NxSNMPRequest2Controls::ModeBlocking;
    int32_t KeyCount = 0;
};

// How SetUpWindow frames the dialog.
struct WindowOptions {
    QSize Size{};              // fixed size; empty: the size the layout gave
    bool Minimise = false;     // a minimise button beside the close button
    bool CentreOnMain = false; // on first show, centred over the main window (or the screen)
    int Panels = 0;            // status panels to add; 0 keeps the bar's simple text
    int PanelWidth = 50;       // width of each panel added but the last
};

class TSettingsForm : public TRequestDialog {
    Q_OBJECT
  public:
    explicit TSettingsForm(QWidget* owner = nullptr);

    // Shown in place of a success text when a write left out rows that nobody changed (ApplyOutcome).
    static constexpr const char* kNothingWritten = ApplyOutcome::kNothingWritten;
    static constexpr const char* kPartlyWritten = ApplyOutcome::kPartlyWritten;
    static constexpr const char* kNothingWrittenUnshown = ApplyOutcome::kNothingWrittenUnshown;
    static constexpr const char* kPartlyWrittenUnshown = ApplyOutcome::kPartlyWrittenUnshown;
    static constexpr const char* kNothingWrittenBoth = ApplyOutcome::kNothingWrittenBoth;
    static constexpr const char* kPartlyWrittenBoth = ApplyOutcome::kPartlyWrittenBoth;
    // An Apply while a read it needs is still out.
    static constexpr const char* kStillReading = "Nothing written: settings are still being read.";
    static std::string LeftOutText(bool sentSome, bool unread, bool unshown) {
        return ApplyOutcome::LeftOutText(sentSome, unread, unshown);
    }
    static std::pair<bool, bool> LeftOutKinds(const NxSNMPRequest2Controls& request) {
        return ApplyOutcome::LeftOutKinds(request);
    }
    static std::string NotWrittenText(const NxSNMPRequest2Controls& request) {
        return ApplyOutcome::NotWrittenText(request);
    }

  protected:
    // Call once after setupUi: title bar with close (and optionally minimise) button, fixed size,
    // the status bar every request reports to.
    void SetUpWindow(TStatusBar* bar, const WindowOptions& options = {});

    // Builds a request into `slot` (reset first), owned by the form from then on: its status
    // target is the form's status place, Mode, TimeOut and Kind come from `options`. Library
    // exceptions reach the caller and leave `slot` empty; run it inside Guard.
    template <class Request = NxSNMPRequest2Edits>
    Request& MakeRequest(TFormRequest<Request>& slot, const VarDef* table,
                         const RequestOptions& options = {}) {
        static_assert(std::is_base_of_v<NxSNMPRequest2Controls, Request>);
        Binding_ = nullptr;
        Request& request = TRequestDialog::MakeRequest(slot);
        Configure(request, table, options);
        Binding_ = &slot; // bound by the steps that follow
        return request;
    }
    // Runs the steps that build and bind the requests. An exception is shown; the requests built
    // and bound before it stay, the one it interrupted goes. True when all built.
    bool BuildRequests(const std::function<void()>& steps);
    // A group's probe (SupportProbe::Probe). A device without the group is no fault; an answer
    // that does not fit its row is one, shown and kept as Read's, the group hidden all the same.
    bool Probe(SupportProbe& probe, NxSNMPRequest2Controls& request);
    // Read, for a form's Refresh: once the device's values are shown again, a text that said an
    // earlier write left settings out is no longer what last happened and goes.
    bool Reread(NxSNMPRequest2Controls& request);
    // A blocking write of the controls' values, whatever the request's Mode, with the read-back
    // unless told otherwise (a table the form reads again itself). True only when the device took
    // it; a library exception counts as a failure (its text is shown on the status place), and so
    // does a write that left every row out, having nothing read or asked to send.
    enum class ReadBack { Yes, No };
    bool Write(NxSNMPRequest2Controls& request, ReadBack readBack = ReadBack::Yes);
    // Write, where a library exception reaches the caller: a step that undoes what it set up
    // first, or a click whose guard shows it.
    bool WriteOrRaise(NxSNMPRequest2Controls& request, ReadBack readBack);
    // A write whose completion reports (the request's OnEndingSet): sent with callbacks, judged
    // by nothing here. The request's Mode is callbacks from then on. A library exception reaches
    // the caller, nothing having been sent.
    void WriteLater(NxSNMPRequest2Controls& request, ReadBack readBack);
    // `failed`, or the request's own text when its last operation timed out: the device may have
    // taken a write whose answer was lost, which a plain failure text would deny.
    static std::string WriteFailureText(const NxSNMPRequest2Controls& request, const std::string& failed) {
        return ApplyOutcome::FailureText(request, failed);
    }
    // Write, where a request left with nothing read or asked to send counts as done (its
    // SentNothing tells): a form writing several groups goes on to the next.
    bool WriteAsked(NxSNMPRequest2Controls& request) { return Write(request) || request.SentNothing; }
    // The result of writes that were all done: `ok`, or kNothingWritten when none of the requests
    // sent anything, kPartlyWritten when one left something out.
    static std::string WrittenText(std::initializer_list<const NxSNMPRequest2Controls*> requests,
                                   const std::string& ok);
    // Write, then `ok` on the status place when all was written and taken, the NotWrittenText
    // when the write left rows out, `failed` otherwise (a library exception's text stays). True
    // only when `ok` was shown.
    bool WriteAndShow(NxSNMPRequest2Controls& request, const std::string& ok, const std::string& failed);

    void showEvent(QShowEvent* event) override;
    void StatusShown(const std::string& text) override;

  private:
    void Configure(NxSNMPRequest2Controls& request, const VarDef* table, const RequestOptions& options);

    const void* Binding_ = nullptr; // the slot the build steps are binding
    bool WriteRaised_ = false;      // the last Write ended in a library exception
    bool LeftOutShown_ = false;     // the status line says a write left settings out
    bool CentreOnMain_ = false;
    bool Shown_ = false;
};
