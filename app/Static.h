#pragma once
// "Status \ Stats": the transmit and receive counters and rates of each radio, read when the form
// opens and again on "Refresh".
#include <QDialog>
#include <memory>

class NxSNMPRequest2Edits;
class QTabWidget;
class TStatusBar;
namespace Ui {
class TFM_Static;
}

class TFM_Static : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kShownCounters = 18; // the two byte counters are read, not shown

    explicit TFM_Static(QWidget* owner = nullptr);
    ~TFM_Static() override;

    void FormCreate(QObject* sender);
    void Bt_RfrshAClick(QObject* sender);
    void Bt_RfrshGClick(QObject* sender);

    QTabWidget* PageControl1;
    QWidget* TabSheetA;
    QWidget* TabSheetG;
    TStatusBar* StatusBar;

    // Exist only for the pages that show.
    std::unique_ptr<NxSNMPRequest2Edits> BandRequestA;
    std::unique_ptr<NxSNMPRequest2Edits> BandRequestG;

  private:
    bool PageVisible(QWidget* page) const;
    std::unique_ptr<NxSNMPRequest2Edits> NewBandRequest(int band);
    // Starts a read unless the last one is still out.
    static void Refresh(NxSNMPRequest2Edits* request);

    std::unique_ptr<Ui::TFM_Static> ui_;
};

// Menu item stStats1: opens the form modally, owned by the application.
void ShowStaticForm();
