// The text matrix behind FlexGrid: rows × columns of plain texts in one flat,
// row-major vector (a result sheet reaches 1999 × 500 cells, so no item
// objects per cell). Row 0 stays row 0; when it is the grid's fixed row the
// model also gives its texts as the horizontal header.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace kz::widgets {

class GridTextModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Out-of-range cells read as empty and ignore writes.
    const QString& text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // Keeps the texts of the cells that remain; new cells are empty.
    void resize(int rows, int cols);
    // Appends a row whose cells are the tab-separated fields of `line`;
    // fields beyond the last column are dropped.
    void appendRow(QStringView line);
    void clearTexts();

    void setFirstRowIsHeader(bool header);
    Qt::Alignment alignment(int col) const;
    void setAlignment(int col, Qt::Alignment alignment);

    // While held, text changes are only remembered; releasing announces them
    // as one change over the cells touched, so a long fill costs no per-cell
    // work in the views. Row and column counts are announced at once.
    void holdChanges(bool hold);

private:
    bool inRange(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    void announce(int top, int left, int bottom, int right);
    void resizeColumns(int cols);
    void resizeRows(int rows);

    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> cells_;
    std::vector<Qt::Alignment> alignments_;
    bool firstRowIsHeader_ = false;
    bool holding_ = false;
    // Cells changed while held: top, left, bottom, right; empty when top > bottom.
    int heldTop_ = 0, heldLeft_ = 0, heldBottom_ = -1, heldRight_ = -1;
};

}  // namespace kz::widgets
