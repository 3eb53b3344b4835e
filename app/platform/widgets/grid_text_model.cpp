#include "widgets/grid_text_model.h"

#include <algorithm>

namespace kz::widgets {

namespace {

constexpr Qt::Alignment DefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

const QString& EmptyText()
{
    static const QString empty;
    return empty;
}

// The same rows laid out `to` cells wide instead of `from`.
std::vector<QString> WithColumns(std::vector<QString> cells, int rows, int from, int to)
{
    std::vector<QString> relaid(std::size_t(rows) * to);
    const int kept = std::min(from, to);
    for (std::size_t row = 0; row < std::size_t(rows); ++row)
        std::move(cells.begin() + row * from, cells.begin() + row * from + kept, relaid.begin() + row * to);
    return relaid;
}

}  // namespace

int GridTextModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridTextModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridTextModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(index.column()));
    return {};
}

QVariant GridTextModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && firstRowIsHeader_ && role == Qt::DisplayRole)
        return text(0, section);
    return {};
}

Qt::ItemFlags GridTextModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

const QString& GridTextModel::text(int row, int col) const
{
    return inRange(row, col) ? cells_[std::size_t(row) * cols_ + col] : EmptyText();
}

void GridTextModel::setText(int row, int col, const QString& text)
{
    if (!inRange(row, col))
        return;
    cells_[std::size_t(row) * cols_ + col] = text;
    announce(row, col, row, col);
}

void GridTextModel::resize(int rows, int cols)
{
    resizeColumns(std::max(cols, 0));
    resizeRows(std::max(rows, 0));
}

void GridTextModel::resizeColumns(int cols)
{
    if (cols == cols_)
        return;
    const bool growing = cols > cols_;
    growing ? beginInsertColumns({}, cols_, cols - 1) : beginRemoveColumns({}, cols, cols_ - 1);
    cells_ = WithColumns(std::move(cells_), rows_, cols_, cols);
    alignments_.resize(cols, DefaultAlignment);
    cols_ = cols;
    growing ? endInsertColumns() : endRemoveColumns();
}

void GridTextModel::resizeRows(int rows)
{
    if (rows == rows_)
        return;
    const bool growing = rows > rows_;
    growing ? beginInsertRows({}, rows_, rows - 1) : beginRemoveRows({}, rows, rows_ - 1);
    cells_.resize(std::size_t(rows) * cols_);
    rows_ = rows;
    growing ? endInsertRows() : endRemoveRows();
}

void GridTextModel::appendRow(QStringView line)
{
    const int row = rows_;
    beginInsertRows({}, row, row);
    cells_.resize(std::size_t(row + 1) * cols_);
    int col = 0;
    for (QStringView field : line.tokenize(u'\t')) {
        if (col == cols_)
            break;
        cells_[std::size_t(row) * cols_ + col++] = field.toString();
    }
    rows_ = row + 1;
    endInsertRows();
}

void GridTextModel::clearTexts()
{
    std::fill(cells_.begin(), cells_.end(), QString());
    announce(0, 0, rows_ - 1, cols_ - 1);
}

void GridTextModel::setFirstRowIsHeader(bool header)
{
    if (header == firstRowIsHeader_)
        return;
    firstRowIsHeader_ = header;
    if (cols_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

Qt::Alignment GridTextModel::alignment(int col) const
{
    return col >= 0 && col < cols_ ? alignments_[col] : DefaultAlignment;
}

void GridTextModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= cols_ || alignments_[col] == alignment)
        return;
    alignments_[col] = alignment;
    announce(0, col, rows_ - 1, col);
}

void GridTextModel::holdChanges(bool hold)
{
    if (hold == holding_)
        return;
    holding_ = hold;
    if (hold || heldTop_ > heldBottom_)
        return;
    // Rows or columns may have gone since the change was remembered.
    const int bottom = std::min(heldBottom_, rows_ - 1), right = std::min(heldRight_, cols_ - 1);
    const int top = heldTop_, left = heldLeft_;
    heldTop_ = heldLeft_ = 0;
    heldBottom_ = heldRight_ = -1;
    announce(top, left, bottom, right);
}

void GridTextModel::announce(int top, int left, int bottom, int right)
{
    if (top > bottom || left > right)
        return;
    if (holding_) {
        const bool none = heldTop_ > heldBottom_;
        heldTop_ = none ? top : std::min(heldTop_, top);
        heldLeft_ = none ? left : std::min(heldLeft_, left);
        heldBottom_ = std::max(heldBottom_, bottom);
        heldRight_ = std::max(heldRight_, right);
        return;
    }
    emit dataChanged(index(top, left), index(bottom, right));
    if (firstRowIsHeader_ && top == 0)
        emit headerDataChanged(Qt::Horizontal, left, right);
}

}  // namespace kz::widgets
