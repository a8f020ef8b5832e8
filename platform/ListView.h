#pragma once
// A list view in report style: captioned columns (width 0 hides one), items made of a caption and
// sub-items, and an OnSelectItem event that also fires when code selects. An item keeps all of its
// sub-items even beyond the columns, so a hidden list view works as a plain data store.
#include "platform/Events.h"

#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

class TListView : public QTreeWidget {
    Q_OBJECT
  public:
    using TSelectItemEvent = std::function<void(QObject* sender, int item, bool selected)>;
    static constexpr int AutoSizeHeader = -2; // width sized to the caption
    static constexpr int AutoSizeContents = -1;

    explicit TListView(QWidget* parent = nullptr);

    int ColumnCount() const { return columnCount(); }
    void ClearColumns();
    int AddColumn(const std::string& caption, int width);
    std::string ColumnCaption(int column) const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width); // a width below the caption's widens to it

    int ItemCount() const { return topLevelItemCount(); }
    int AddItem(const std::string& caption); // returns the new item's index
    void AddSubItem(int item, const std::string& text);
    std::string ItemCaption(int item) const;
    void SetItemCaption(int item, const std::string& caption);
    int SubItemCount(int item) const;
    std::string SubItem(int item, int sub) const; // empty beyond the item's sub-items
    void SetSubItem(int item, int sub, const std::string& text);
    void DeleteItem(int item);
    void ClearItems();

    int ItemIndex() const; // the selected item, -1 for none
    void SetItemIndex(int item);

    // What a request wants of a view it fills: read-only, whole-row selection that stays visible
    // without the focus, grid lines.
    void SetReportStyle();

    TSelectItemEvent OnSelectItem;
    int Tag = 0;

  private:
    int CaptionWidth(int column) const;
    QStringList Texts(int item) const;
    void SetTexts(int item, const QStringList& texts);
    void Render(QTreeWidgetItem* item);
    void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
};
