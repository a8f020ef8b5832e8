#include "platform/ListView.h"

#include "platform/Text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>
#include <set>

namespace {
constexpr int TextsRole = Qt::UserRole + 1;
}

TListView::TListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(0);
    setHeaderLabels({});
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TListView::OnSelectionChanged);
}

void TListView::SetReportStyle() {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    // The selection keeps its active colours when the view loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    // Grid lines through the item rule; once items have a rule Qt draws their selection only as
    // the rule says, so the selected row names its colours too.
    setStyleSheet(
        "QTreeView::item { border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid); }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }");
}

void TListView::ClearColumns() {
    setColumnCount(0);
    setHeaderLabels({});
}

int TListView::AddColumn(const std::string& caption, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, ToQ(caption));
    for (int i = 0; i < ItemCount(); ++i)
        Render(topLevelItem(i));
    SetColumnWidth(column, width);
    return column;
}

std::string TListView::ColumnCaption(int column) const {
    return FromQ(headerItem()->text(column));
}

int TListView::ColumnWidth(int column) const {
    return isColumnHidden(column) ? 0 : columnWidth(column);
}

void TListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= columnCount())
        return;
    setColumnHidden(column, width == 0);
    if (width == 0)
        return;
    if (width == AutoSizeHeader)
        setColumnWidth(column, CaptionWidth(column));
    else if (width == AutoSizeContents)
        resizeColumnToContents(column);
    else
        setColumnWidth(column, std::max(width, CaptionWidth(column))); // never cut its caption
}

// What the header section needs for the whole caption in the header's font, as the style draws it.
int TListView::CaptionWidth(int column) const {
    QStyleOptionHeader option;
    option.initFrom(header());
    option.section = column;
    option.text = headerItem()->text(column);
    option.fontMetrics = header()->fontMetrics();
    const QSize size =
        header()->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header());
    return std::max(size.width(), option.fontMetrics.horizontalAdvance(option.text) + 8);
}

QStringList TListView::Texts(int item) const {
    const QTreeWidgetItem* it = topLevelItem(item);
    return it ? it->data(0, TextsRole).toStringList() : QStringList();
}

void TListView::SetTexts(int item, const QStringList& texts) {
    QTreeWidgetItem* it = topLevelItem(item);
    if (!it)
        return;
    it->setData(0, TextsRole, texts);
    Render(it);
}

void TListView::Render(QTreeWidgetItem* item) {
    const QStringList texts = item->data(0, TextsRole).toStringList();
    for (int c = 0; c < columnCount(); ++c)
        item->setText(c, c < texts.size() ? texts[c] : QString());
}

int TListView::AddItem(const std::string& caption) {
    auto* it = new QTreeWidgetItem();
    it->setData(0, TextsRole, QStringList{ToQ(caption)});
    addTopLevelItem(it);
    Render(it);
    return ItemCount() - 1;
}

void TListView::AddSubItem(int item, const std::string& text) {
    QStringList t = Texts(item);
    t.append(ToQ(text));
    SetTexts(item, t);
}

std::string TListView::ItemCaption(int item) const {
    const QStringList t = Texts(item);
    return t.isEmpty() ? std::string() : FromQ(t[0]);
}

void TListView::SetItemCaption(int item, const std::string& caption) {
    QStringList t = Texts(item);
    if (t.isEmpty())
        return;
    t[0] = ToQ(caption);
    SetTexts(item, t);
}

int TListView::SubItemCount(int item) const {
    return std::max<int>(int(Texts(item).size()) - 1, 0);
}

std::string TListView::SubItem(int item, int sub) const {
    const QStringList t = Texts(item);
    return sub >= 0 && sub + 1 < t.size() ? FromQ(t[sub + 1]) : std::string();
}

void TListView::SetSubItem(int item, int sub, const std::string& text) {
    QStringList t = Texts(item);
    if (t.isEmpty() || sub < 0)
        return;
    while (t.size() < sub + 2)
        t.append(QString());
    t[sub + 1] = ToQ(text);
    SetTexts(item, t);
}

void TListView::DeleteItem(int item) {
    delete takeTopLevelItem(item);
}
void TListView::ClearItems() {
    clear();
}

int TListView::ItemIndex() const {
    const QList<QTreeWidgetItem*> sel = selectedItems();
    return sel.isEmpty() ? -1 : indexOfTopLevelItem(sel.first());
}

void TListView::SetItemIndex(int item) {
    QTreeWidgetItem* it = topLevelItem(item);
    if (!it) {
        clearSelection();
        return;
    }
    setCurrentItem(it);
    it->setSelected(true);
}

// One event per item that lost, then per item that gained the selection.
void TListView::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    auto rows = [](const QItemSelection& s) {
        std::set<int> r;
        for (const QModelIndex& i : s.indexes())
            if (i.isValid() && !i.parent().isValid())
                r.insert(i.row());
        return r;
    };
    const std::set<int> gone = rows(deselected), added = rows(selected);
    for (int r : gone)
        if (r < ItemCount() && !added.count(r) && OnSelectItem)
            GuardEvent([&] { OnSelectItem(this, r, false); });
    for (int r : added)
        if (OnSelectItem)
            GuardEvent([&] { OnSelectItem(this, r, true); });
}
