#pragma once
// The radio forms' page per band: band 1 serves the objects at instance .1, band 2 those at .2.
// Band 2's tab shows only on the dual-band model, and a band's steps run only while its tab is
// visible, so a form asks Live(band) before touching a band's objects or controls.
#include "library/snmp/VarDef.h"

#include <cstdint>

class NxSNMPVarList;
class QTabWidget;
class QWidget;

class BandPages {
  public:
    BandPages(QTabWidget* control, QWidget* page1, QWidget* page2);

    // Shows band 2's tab only on the dual-band model and gives the visible tabs their captions.
    void Lay();
    bool Live(int band) const; // band 1 or 2
    QWidget* Page(int band) const;
    // Brings the band's page to the front, e.g. for the field a failed check names.
    void Activate(int band) const;

  private:
    QTabWidget* Control_;
    QWidget* Pages_[2];
};

// A row of a band's object: `liveAccess` while the band is live, otherwise left out of every read
// and write.
void SetBandRow(NxSNMPVarList& list, int row, bool live, uint32_t liveAccess = ACC_READWRITE);
