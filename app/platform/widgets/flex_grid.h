// The grid of the result sheets: a read-only matrix of texts addressed by
// row and column from 0, the way the sheets' row and column plans count
// them. Sizes are in twips. Row 0 is the fixed row when FixedRows is 1: it
// stays a real row (its texts are set and read as row 0) but is shown frozen
// above the others as the column header.
#pragma once

#include <QStringView>
#include <QWidget>

#include <vector>

namespace kz::widgets {

class GridTextModel;
class GridView;

class FlexGrid : public QWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Changing the counts keeps the texts and sizes of the cells that remain.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    // 0 or 1 (the sheets never freeze more); at most the number of rows.
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int fixedRows);

    // Twips; a negative value gives the column or row its default size back.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    void setColAlignment(int col, Qt::Alignment alignment);

    // Off: changes are collected and nothing is painted or laid out cell by
    // cell; on again: one repaint shows them all.
    bool redraw() const { return redraw_; }
    void setRedraw(bool redraw);

    // The current cell (Row, Col) is one corner of the selection and
    // (RowSel, ColSel) the other. Setting Row or Col collapses the selection
    // to the current cell; set RowSel and ColSel after them to widen it.
    int row() const { return selection_.row; }
    void setRow(int row);
    int col() const { return selection_.col; }
    void setCol(int col);
    int rowSel() const { return selection_.rowSel; }
    void setRowSel(int row);
    int colSel() const { return selection_.colSel; }
    void setColSel(int col);

    // Appends a row filled from the tab-separated fields of `line`.
    void addItem(QStringView line);
    // The selected cells' texts: cells separated by tab, rows by CR.
    QString clip() const;
    // Empties every cell; counts, sizes and the selection stay.
    void clear();

signals:
    // The current cell or the selected range changed, by code or by the user.
    void selectionChanged();
    // A right click (or the menu key) over the cells, at a screen position.
    void rightClicked(const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class GridView;

    struct CellSelection {
        int row = 0, col = 0, rowSel = 0, colSel = 0;
        bool operator==(const CellSelection&) const = default;
    };

    void select(CellSelection selection);
    void selectAll();
    CellSelection clamped(CellSelection selection) const;
    void showSelection();
    void readSelectionSoon();
    CellSelection selectionInView() const;
    void reshape(int rows, int cols);
    void applyRowHeight(int row);
    void applyDefaultRowHeight();
    int defaultRowPixels() const;

    GridTextModel* model_;
    GridView* view_;
    std::vector<int> colTwips_;  // -1: default width
    std::vector<int> rowTwips_;  // -1: default height
    int fixedRows_ = 0;
    bool redraw_ = true;
    CellSelection selection_;
    // Set while the grid itself moves the view's selection or sizes, so that
    // the view's echo is not taken for the user's doing.
    bool steering_ = false;
    bool readQueued_ = false;
};

}  // namespace kz::widgets
