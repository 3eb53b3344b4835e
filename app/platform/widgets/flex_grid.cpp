#include "widgets/flex_grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "widgets/grid_text_model.h"
#include "widgets/twips.h"

namespace kz::widgets {

// The fixed row is shown by the table's own column header: the model hands
// row 0's texts to the header and the view hides row 0 among the cells. So
// row 0 keeps its index in the model, the selection and every call, it never
// scrolls away, it looks like a header, and it follows the column widths and
// the horizontal scrolling without a second view kept in step.
class GridView : public QTableView {
public:
    explicit GridView(FlexGrid* grid) : QTableView(grid), grid_(grid) {}

    // Select all (Ctrl+A) takes the cells below the fixed row, as the grid's
    // own select-all does, instead of every index of the model.
    void selectAll() override { grid_->selectAll(); }
    void refreshGeometry() { updateGeometries(); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override { emit grid_->rightClicked(event->globalPos()); }

private:
    FlexGrid* grid_;
};

namespace {

// Space above and below the text of a row of the default height.
constexpr int RowPadding = 4;

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QWidget(parent), model_(new GridTextModel(this)), view_(new GridView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    // The sheets size rows and columns below the font's height (a 50-twip
    // spacer column, a 100-twip empty fixed row).
    view_->verticalHeader()->setMinimumSectionSize(1);
    QHeaderView* header = view_->horizontalHeader();
    header->setMinimumSectionSize(1);
    // A click on the fixed row selects nothing: every selection then keeps
    // the current cell at one of its corners.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    connect(header, &QHeaderView::sectionResized, this, [this](int col, int, int pixels) {
        if (!steering_ && col < cols())
            colTwips_[col] = PixelsToTwips(pixels, logicalDpiX());
    });
    QItemSelectionModel* selectionModel = view_->selectionModel();
    connect(selectionModel, &QItemSelectionModel::currentChanged, this, &FlexGrid::readSelectionSoon);
    connect(selectionModel, &QItemSelectionModel::selectionChanged, this, &FlexGrid::readSelectionSoon);

    applyDefaultRowHeight();
    reshape(2, 2);
    setFixedRows(1);
}

QString FlexGrid::textMatrix(int row, int col) const { return model_->text(row, col); }

void FlexGrid::setTextMatrix(int row, int col, const QString& text) { model_->setText(row, col, text); }

int FlexGrid::rows() const { return model_->rowCount(); }

void FlexGrid::setRows(int rows) { reshape(rows, cols()); }

int FlexGrid::cols() const { return model_->columnCount(); }

void FlexGrid::setCols(int cols) { reshape(rows(), cols); }

void FlexGrid::setFixedRows(int fixedRows)
{
    fixedRows_ = std::clamp(fixedRows, 0, std::min(1, rows()));
    const bool frozen = fixedRows_ == 1;
    model_->setFirstRowIsHeader(frozen);
    view_->horizontalHeader()->setVisible(frozen);
    if (rows() > 0) {
        view_->setRowHidden(0, frozen);
        applyRowHeight(0);
    }
    view_->refreshGeometry();
}

int FlexGrid::colWidth(int col) const
{
    if (col < 0 || col >= cols())
        return 0;
    return colTwips_[col] >= 0 ? colTwips_[col]
                               : PixelsToTwips(view_->horizontalHeader()->sectionSize(col), logicalDpiX());
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    colTwips_[col] = std::max(twips, -1);
    QHeaderView* header = view_->horizontalHeader();
    steering_ = true;
    header->resizeSection(col, twips < 0 ? header->defaultSectionSize() : TwipsToPixels(twips, logicalDpiX()));
    steering_ = false;
}

int FlexGrid::rowHeight(int row) const
{
    if (row < 0 || row >= rows())
        return 0;
    return rowTwips_[row] >= 0 ? rowTwips_[row] : PixelsToTwips(defaultRowPixels(), logicalDpiY());
}

void FlexGrid::setRowHeight(int row, int twips)
{
    if (row < 0 || row >= rows())
        return;
    rowTwips_[row] = std::max(twips, -1);
    applyRowHeight(row);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment) { model_->setAlignment(col, alignment); }

void FlexGrid::setRedraw(bool redraw)
{
    if (redraw == redraw_)
        return;
    redraw_ = redraw;
    model_->holdChanges(!redraw);
    // Enabling updates again schedules the one repaint.
    view_->setUpdatesEnabled(redraw);
}

void FlexGrid::setRow(int row) { select({row, selection_.col, row, selection_.col}); }

void FlexGrid::setCol(int col) { select({selection_.row, col, selection_.row, col}); }

void FlexGrid::setRowSel(int row)
{
    CellSelection selection = selection_;
    selection.rowSel = row;
    select(selection);
}

void FlexGrid::setColSel(int col)
{
    CellSelection selection = selection_;
    selection.colSel = col;
    select(selection);
}

void FlexGrid::addItem(QStringView line)
{
    model_->appendRow(line);
    rowTwips_.push_back(-1);
}

QString FlexGrid::clip() const
{
    const auto [top, bottom] = std::minmax(selection_.row, selection_.rowSel);
    const auto [left, right] = std::minmax(selection_.col, selection_.colSel);
    QString clip;
    if (rows() == 0 || cols() == 0)
        return clip;
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            if (col > left)
                clip += u'\t';
            clip += model_->text(row, col);
        }
        if (row < bottom)
            clip += u'\r';
    }
    return clip;
}

void FlexGrid::clear() { model_->clearTexts(); }

void FlexGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        applyDefaultRowHeight();
    QWidget::changeEvent(event);
}

void FlexGrid::select(CellSelection selection)
{
    selection = clamped(selection);
    const bool changed = selection != selection_;
    selection_ = selection;
    showSelection();
    if (changed)
        emit selectionChanged();
}

void FlexGrid::selectAll() { select({fixedRows_, 0, rows() - 1, cols() - 1}); }

FlexGrid::CellSelection FlexGrid::clamped(CellSelection selection) const
{
    const int lastRow = std::max(rows() - 1, 0), lastCol = std::max(cols() - 1, 0);
    return {std::clamp(selection.row, 0, lastRow), std::clamp(selection.col, 0, lastCol),
            std::clamp(selection.rowSel, 0, lastRow), std::clamp(selection.colSel, 0, lastCol)};
}

// The view's current index is the moving corner (RowSel, ColSel), as it is
// when the user drags or shift-clicks; the current cell is the fixed corner.
// Code never scrolls the view, as the sheets expect.
void FlexGrid::showSelection()
{
    QItemSelectionModel* selectionModel = view_->selectionModel();
    const bool autoScroll = view_->hasAutoScroll();
    steering_ = true;
    view_->setAutoScroll(false);
    if (rows() == 0 || cols() == 0) {
        selectionModel->clear();
    } else {
        const CellSelection& s = selection_;
        selectionModel->setCurrentIndex(model_->index(s.rowSel, s.colSel), QItemSelectionModel::NoUpdate);
        const QModelIndex topLeft = model_->index(std::min(s.row, s.rowSel), std::min(s.col, s.colSel));
        const QModelIndex bottomRight = model_->index(std::max(s.row, s.rowSel), std::max(s.col, s.colSel));
        selectionModel->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    }
    view_->setAutoScroll(autoScroll);
    steering_ = false;
}

// A click or key moves the view's current index and its selection in
// separate steps; reading them once the event is done sees only the result.
void FlexGrid::readSelectionSoon()
{
    if (steering_ || readQueued_)
        return;
    readQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            readQueued_ = false;
            const CellSelection selection = selectionInView();
            if (selection != selection_) {
                selection_ = selection;
                emit selectionChanged();
            }
        },
        Qt::QueuedConnection);
}

FlexGrid::CellSelection FlexGrid::selectionInView() const
{
    const QItemSelectionModel* selectionModel = view_->selectionModel();
    const QModelIndex current = selectionModel->currentIndex();
    if (!current.isValid())
        return selection_;
    int top = current.row(), bottom = top, left = current.column(), right = left;
    for (const QItemSelectionRange& range : selectionModel->selection()) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    return {current.row() == top ? bottom : top, current.column() == left ? right : left, current.row(),
            current.column()};
}

void FlexGrid::reshape(int rows, int cols)
{
    rows = std::max(rows, fixedRows_);
    cols = std::max(cols, 0);
    steering_ = true;
    model_->resize(rows, cols);
    steering_ = false;
    colTwips_.resize(cols, -1);
    rowTwips_.resize(rows, -1);
    select(selection_);
}

void FlexGrid::applyRowHeight(int row)
{
    const int pixels = rowTwips_[row] >= 0 ? TwipsToPixels(rowTwips_[row], logicalDpiY()) : defaultRowPixels();
    if (row < fixedRows_) {
        view_->horizontalHeader()->setFixedHeight(pixels);
        view_->refreshGeometry();
    } else {
        view_->verticalHeader()->resizeSection(row, pixels);
    }
}

// Rows of the default height follow the font; setting the default resizes
// every row, so the rows given a height get theirs back.
void FlexGrid::applyDefaultRowHeight()
{
    view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + RowPadding);
    for (int row = 0; row < rows(); ++row)
        if (rowTwips_[row] >= 0 || row < fixedRows_)
            applyRowHeight(row);
}

int FlexGrid::defaultRowPixels() const { return view_->verticalHeader()->defaultSectionSize(); }

}  // namespace kz::widgets
