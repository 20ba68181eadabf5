#include "coupon/mainwindow/CouponAccessible.h"
#include "coupon/mainwindow/CouponImage.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>

#include <vector>

namespace {

struct TInstalled {
    const QObject *image;
    const TCouponModel *model;
};
std::vector<TInstalled> Installed;

const TCouponModel *ModelOf(const QObject *image)
{
    for (const TInstalled &installed : Installed)
        if (installed.image == image)
            return installed.model;
    return nullptr;
}

class TCouponTable;

// A part of the coupon's picture that has no widget of its own and no
// parts: a cell or a bar.
class TCouponPart : public QAccessibleInterface {
public:
    explicit TCouponPart(TCouponTable *table)
        : FTable(table)
    {
    }

    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    TCouponTable *FTable;
};

// One number of one board.
class TCellAccessible : public TCouponPart, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    TCellAccessible(TCouponTable *table, int board, int number)
        : TCouponPart(table)
        , FBoard(board)
        , FNumber(number)
    {
    }

    bool isValid() const override;
    // The name, and "drawn" as the description of a number that the last
    // draw checked holds (ringed on the screen).
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // The table cell.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return FNumber - 1; }
    int rowIndex() const override { return FBoard - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // Toggle, which a click does.
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {QStringLiteral("Space")}; }

private:
    int FBoard;
    int FNumber;
};

// The bar of one coefficient of one board.
class TBarAccessible : public TCouponPart, public QAccessibleValueInterface {
public:
    TBarAccessible(TCouponTable *table, int board, bool spread)
        : TCouponPart(table)
        , FBoard(board)
        , FSpread(spread)
    {
    }

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ProgressBar; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = Value() < 0;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
    }

    QVariant currentValue() const override { return Value() < 0 ? QVariant() : QVariant(Value()); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    int Value() const;

    int FBoard;
    bool FSpread;
};

class TCouponTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TCouponTable(TCouponImage *image)
        : QAccessibleWidget(image, QAccessible::Table, QCoreApplication::translate("Drawvane", "Coupon"))
    {
    }

    ~TCouponTable() override { Forget(); }

    const TCouponModel *Model() const { return ModelOf(widget()); }
    TCouponImage *Image() const { return static_cast<TCouponImage *>(widget()); }
    TCouponShape Shape() const { return Model() ? Model()->Shape() : TCouponShape{}; }
    // The keyboard's cell, while the picture has the focus.
    bool IsCursor(int board, int number) const
    {
        const TCouponModel *model = Model();
        return model && Image()->hasFocus() && model->CursorBoard() == board && model->CursorNumber() == number;
    }
    int CellCount() const { return Shape().boards * Shape().boardsize; }

    // The interfaces made so far, each kept under what it stands for (a
    // board's number, or a board's bar), which a change of shape does not
    // change; dropped when the coupon is redrawn.
    void Forget()
    {
        for (const QAccessible::Id id : std::as_const(FChildren))
            QAccessible::deleteAccessibleInterface(id);
        FChildren.clear();
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return CellCount() + 2 * Shape().boards; }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const int key = KeyOf(index);
        if (const auto known = FChildren.constFind(key); known != FChildren.constEnd())
            return QAccessible::accessibleInterface(*known);
        auto *self = const_cast<TCouponTable *>(this);
        QAccessibleInterface *made = nullptr;
        if (key < kBarKeys)
            made = new TCellAccessible(self, key / kMaxNumbers + 1, key % kMaxNumbers + 1);
        else
            made = new TBarAccessible(self, (key - kBarKeys) / 2 + 1, (key - kBarKeys) % 2 == 1);
        self->FChildren.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = FChildren.constBegin(); it != FChildren.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return IndexOf(it.key());
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint p = Image()->mapFromGlobal(QPoint(x, y));
        const auto hit = CouponHitTest(p.x(), p.y());
        if (!hit || hit->board > Shape().boards || hit->number > Shape().boardsize)
            return nullptr;
        return cellAt(hit->board - 1, hit->number - 1);
    }

    QAccessibleInterface *focusChild() const override
    {
        const TCouponModel *model = Model();
        if (!model || !IsCursor(model->CursorBoard(), model->CursorNumber()))
            return nullptr;
        return cellAt(model->CursorBoard() - 1, model->CursorNumber() - 1);
    }

    // The table.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(row * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return QCoreApplication::translate("Drawvane", "Number %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        return QCoreApplication::translate("Drawvane", "Board %1").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Shape().boardsize; }
    int rowCount() const override { return Shape().boards; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { Forget(); }

private:
    // Keys: a cell's is (board - 1) x 49 + number - 1, a bar's comes after
    // every cell's.
    static constexpr int kBarKeys = kMaxBoards * kMaxNumbers;

    int KeyOf(int index) const
    {
        const int size = Shape().boardsize;
        if (index < CellCount())
            return (index / size) * kMaxNumbers + index % size;
        return kBarKeys + index - CellCount();
    }

    int IndexOf(int key) const
    {
        if (key >= kBarKeys)
            return (key - kBarKeys) / 2 < Shape().boards ? CellCount() + key - kBarKeys : -1;
        const int board = key / kMaxNumbers;
        const int number = key % kMaxNumbers;
        if (board >= Shape().boards || number >= Shape().boardsize)
            return -1;
        return board * Shape().boardsize + number;
    }

    QHash<int, QAccessible::Id> FChildren;
};

bool TCellAccessible::isValid() const
{
    const TCouponShape shape = FTable->Shape();
    return FTable->Model() && FBoard <= shape.boards && FNumber <= shape.boardsize;
}

QWindow *TCouponPart::window() const
{
    return FTable->window();
}

QAccessibleInterface *TCouponPart::parent() const
{
    return FTable;
}

QRect TCellAccessible::rect() const
{
    const QRect cell = TCouponImage::CellRect(FBoard, FNumber);
    return QRect(FTable->Image()->mapToGlobal(cell.topLeft()), QSize(kCellSize + 1, kCellSize + 1));
}

QString TCellAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QCoreApplication::translate("Drawvane", "Board %1, number %2").arg(FBoard).arg(FNumber);
    if (t == QAccessible::Description && FTable->Model() && (FTable->Model()->Rings(FBoard) >> FNumber & 1))
        return QCoreApplication::translate("Drawvane", "drawn");
    return {};
}

QAccessible::State TCellAccessible::state() const
{
    QAccessible::State state;
    const TCouponModel *model = FTable->Model();
    state.checkable = true;
    state.focusable = true;
    if (!model)
        return state;
    state.checked = model->Coupon().Marked(FBoard, FNumber);
    state.disabled = model->IsExcluded(FNumber);
    state.focused = FTable->IsCursor(FBoard, FNumber);
    return state;
}

void TCellAccessible::doAction(const QString &name)
{
    if (name == toggleAction() || name == pressAction())
        FTable->Image()->PressCell(FBoard, FNumber);
}

bool TBarAccessible::isValid() const
{
    return FTable->Model() && FBoard <= FTable->Shape().boards;
}

int TBarAccessible::Value() const
{
    const TCouponModel *model = FTable->Model();
    if (!model)
        return -1;
    return FSpread ? model->SpreadValue(FBoard) : model->PunchValue(FBoard);
}

QString TBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QCoreApplication::translate("Drawvane", "Board %1 %2 bar")
            .arg(FBoard)
            .arg(FSpread ? QStringLiteral("Spread") : QStringLiteral("Punch"));
    if (t == QAccessible::Value)
        return Value() < 0 ? QString() : QString::number(Value());
    return QString();
}

QRect TBarAccessible::rect() const
{
    // The bars lie in the band below each row of boards.
    const TPoint origin = BoardOrigin(FBoard);
    const int y = (FBoard <= 6 ? 113 : 121) + (FSpread ? 4 : 0);
    return QRect(FTable->Image()->mapToGlobal(QPoint(origin.x, y)), QSize(7 * kCellSize, 4));
}

QAccessibleInterface *CouponFactory(const QString &, QObject *object)
{
    auto *image = qobject_cast<TCouponImage *>(object);
    return image ? new TCouponTable(image) : nullptr;
}

TCouponTable *TableOf(TCouponImage *image)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<TCouponTable *>(QAccessible::queryAccessibleInterface(image));
}

} // namespace

namespace couponaccess {

void Install(TCouponImage *image, const TCouponModel *model)
{
    static const bool installed = [] {
        QAccessible::installFactory(CouponFactory);
        return true;
    }();
    (void)installed;
    Installed.push_back({image, model});
    QObject::connect(image, &QObject::destroyed, [image] {
        std::erase_if(Installed, [image](const TInstalled &entry) { return entry.image == image; });
    });
}

void Changed(TCouponImage *image, const TCouponChange &change)
{
    using TKind = TCouponChange::TKind;
    if (change.kind != TKind::Coupon && change.kind != TKind::Marks && change.kind != TKind::Cursor)
        return;
    TCouponTable *table = TableOf(image);
    if (!table)
        return;
    if (change.kind == TKind::Coupon) {
        table->Forget();
        QAccessibleTableModelChangeEvent reset(image, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    if (change.kind == TKind::Cursor && !image->hasFocus())
        return;
    QAccessibleInterface *cell = table->cellAt(change.board - 1, change.number - 1);
    if (!cell)
        return;
    if (change.kind == TKind::Cursor) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace couponaccess
