#pragma once
// The band pages of the read-only status views: the layout keeps the second band's page out of
// sight in this configuration, and a page that shows carries its band's caption.
class QTabWidget;
class QWidget;

void HideSecondBandPage(QTabWidget* pages, QWidget* second);
// True when the band's page shows; it then carries the band's caption (band 1 or 2).
bool ShowBandPage(QTabWidget* pages, QWidget* page, int band);
