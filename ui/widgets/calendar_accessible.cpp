#include "ui/widgets/calendar_accessible.h"

#include "core/correspondence.h"
#include "ui/widgets/moon_calendar.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QHash>
#include <QLocale>
#include <QPointer>

namespace lunetide::ui {
namespace {

// Set while Qt's own table interface is made for a calendar's table, so that the factory below
// stays out of the way.
bool makingQtTable = false;

class CalendarTableAccessible;

// One cell of the calendar's table: Qt's cell, with the day's date and phase for its name.
class DayCellAccessible : public QAccessibleInterface {
public:
    DayCellAccessible(const CalendarTableAccessible* table, int index)
        : table_(table), index_(index)
    {}

    int index() const { return index_; }

    bool isValid() const override { return QtCell() && QtCell()->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return QtCell() ? QtCell()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (QtCell())
            QtCell()->setText(t, text);
    }
    QRect rect() const override { return QtCell() ? QtCell()->rect() : QRect(); }
    QAccessible::Role role() const override
    {
        return QtCell() ? QtCell()->role() : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        return QtCell() ? QtCell()->state() : QAccessible::State();
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return QtCell() ? QtCell()->interface_cast(type) : nullptr;
    }

private:
    QAccessibleInterface* QtCell() const;

    const CalendarTableAccessible* table_;
    int index_;
};

// The calendar's table: Qt's own table interface, handing out the cells above instead of Qt's.
class CalendarTableAccessible : public QAccessibleInterface {
public:
    CalendarTableAccessible(QAbstractItemView* view, QAccessibleInterface* qtTable)
        : view_(view), qtTableId_(QAccessible::uniqueId(qtTable))
    {}

    ~CalendarTableAccessible() override
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(qtTableId_);
    }

    QAccessibleInterface* QtTable() const { return QAccessible::accessibleInterface(qtTableId_); }

    const MoonCalendar* Calendar() const
    {
        return view_ ? qobject_cast<const MoonCalendar*>(view_->parentWidget()) : nullptr;
    }

    bool isValid() const override { return view_ && QtTable() && QtTable()->isValid(); }
    QObject* object() const override { return view_; }
    QWindow* window() const override { return QtTable() ? QtTable()->window() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return QtTable() ? QtTable()->relations(match)
                         : QList<QPair<QAccessibleInterface*, QAccessible::Relation>>();
    }
    QAccessibleInterface* focusChild() const override
    {
        return Ours(QtTable() ? QtTable()->focusChild() : nullptr);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return Ours(QtTable() ? QtTable()->childAt(x, y) : nullptr);
    }
    QAccessibleInterface* parent() const override
    {
        return QtTable() ? QtTable()->parent() : nullptr;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (QAccessible::Id id = cells_.value(index))
            if (QAccessibleInterface* cell = QAccessible::accessibleInterface(id))
                return cell;
        auto* cell = new DayCellAccessible(this, index);
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int childCount() const override { return QtTable() ? QtTable()->childCount() : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = dynamic_cast<const DayCellAccessible*>(child))
            return cell->index();
        return QtTable() ? QtTable()->indexOfChild(child) : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        return QtTable() ? QtTable()->text(t) : QString();
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (QtTable())
            QtTable()->setText(t, text);
    }
    QRect rect() const override { return QtTable() ? QtTable()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        return QtTable() ? QtTable()->state() : QAccessible::State();
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return QtTable() ? QtTable()->interface_cast(type) : nullptr;
    }

private:
    // Our cell for one of Qt's cells.
    QAccessibleInterface* Ours(QAccessibleInterface* qtCell) const
    {
        if (!qtCell || !QtTable())
            return qtCell;
        const int index = QtTable()->indexOfChild(qtCell);
        return index >= 0 ? child(index) : qtCell;
    }

    QPointer<QAbstractItemView> view_;
    QAccessible::Id qtTableId_;
    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* DayCellAccessible::QtCell() const
{
    QAccessibleInterface* qtTable = table_->QtTable();
    return qtTable ? qtTable->child(index_) : nullptr;
}

QAccessibleInterface* DayCellAccessible::parent() const
{
    return const_cast<CalendarTableAccessible*>(table_);
}

QString DayCellAccessible::text(QAccessible::Text t) const
{
    QAccessibleInterface* qtCell = QtCell();
    if (!qtCell)
        return {};
    const MoonCalendar* calendar = table_->Calendar();
    QAccessibleTableCellInterface* cell = qtCell->tableCellInterface();
    if (t != QAccessible::Name || !calendar || !cell)
        return qtCell->text(t);
    const QDate date = calendar->DateOfCell(cell->rowIndex(), cell->columnIndex());
    const QString said = calendar->DayText(date);
    return said.isEmpty() ? qtCell->text(t) : said;
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (makingQtTable || className != QLatin1String("QCalendarView"))
        return nullptr;
    auto* view = qobject_cast<QAbstractItemView*>(object);
    if (!view)
        return nullptr;
    makingQtTable = true;
    QAccessibleInterface* qtTable = QAccessible::queryAccessibleInterface(object);
    makingQtTable = false;
    return qtTable ? new CalendarTableAccessible(view, qtTable) : nullptr;
}

} // namespace

void InstallCalendarAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace lunetide::ui
