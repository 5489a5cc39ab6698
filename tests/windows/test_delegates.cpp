// The grid cell editors: which editor each delegate makes, what it opens at and what it writes back.

#include "date_delegate.h"
#include "input_grid.h"
#include "spin_box_delegate.h"
#include "time_delegate.h"

#include <QDateTimeEdit>
#include <QHeaderView>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>
#include <QTimeEdit>

#include <memory>

namespace {
// One cell of a one-cell model, edited through a delegate the way a view drives it.
struct CellEdit {
    explicit CellEdit(const QVariant& value) : model(1, 1)
    {
        model.setData(model.index(0, 0), value, Qt::EditRole);
    }

    template <typename Editor>
    Editor* open(const QStyledItemDelegate& delegate)
    {
        editor.reset(delegate.createEditor(&parent, QStyleOptionViewItem(), index()));
        delegate.setEditorData(editor.get(), index());
        return qobject_cast<Editor*>(editor.get());
    }

    void commit(const QStyledItemDelegate& delegate)
    {
        delegate.setModelData(editor.get(), &model, index());
    }

    QModelIndex index() const { return model.index(0, 0); }
    QVariant value() const { return model.data(index(), Qt::EditRole); }

    QStandardItemModel model;
    QWidget parent;
    std::unique_ptr<QWidget> editor;
};

bool near_now(const QDateTime& date_time)
{
    return date_time.isValid() && qAbs(date_time.secsTo(QDateTime::currentDateTime())) < 24 * 3600;
}
}  // namespace

class TestDelegates : public QObject {
    Q_OBJECT
private slots:
    void a_date_cell_round_trips_as_a_date_time()
    {
        DateDelegate delegate;
        CellEdit cell(QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        auto* editor = cell.open<QDateTimeEdit>(delegate);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->dateTime(), QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        editor->setDateTime(QDateTime(QDate(2026, 12, 6), QTime(18, 0)));
        cell.commit(delegate);
        QCOMPARE(cell.value().userType(), int(QMetaType::QDateTime));
        QCOMPARE(cell.value().toDateTime(), QDateTime(QDate(2026, 12, 6), QTime(18, 0)));

        // An empty or text cell opens at, and stores, the current date-time.
        for (const QVariant& value : {QVariant(), QVariant(QString("tomorrow"))}) {
            CellEdit edit(value);
            QVERIFY(near_now(edit.open<QDateTimeEdit>(delegate)->dateTime()));
            edit.commit(delegate);
            QCOMPARE(edit.value().userType(), int(QMetaType::QDateTime));
            QVERIFY(near_now(edit.value().toDateTime()));
        }
    }

    void a_time_cell_round_trips_as_a_time()
    {
        TimeDelegate delegate;
        CellEdit cell(QTime(9, 15));
        auto* editor = cell.open<QTimeEdit>(delegate);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->time(), QTime(9, 15));
        editor->setTime(QTime(17, 45));
        cell.commit(delegate);
        QCOMPARE(cell.value().userType(), int(QMetaType::QTime));
        QCOMPARE(cell.value().toTime(), QTime(17, 45));

        CellEdit empty{QVariant()};
        QVERIFY(empty.open<QTimeEdit>(delegate)->time().isValid());
        empty.commit(delegate);
        QCOMPARE(empty.value().userType(), int(QMetaType::QTime));
    }

    void a_number_cell_opens_at_its_whole_value_data()
    {
        QTest::addColumn<QVariant>("cell");
        QTest::addColumn<int>("opened_at");
        QTest::newRow("integer") << QVariant(42) << 42;
        QTest::newRow("empty") << QVariant() << 0;
        QTest::newRow("letters") << QVariant(QString("abc")) << 0;
        QTest::newRow("decimal text") << QVariant(QString("12.5")) << 12;
        QTest::newRow("double") << QVariant(250.75) << 250;
        QTest::newRow("huge text") << QVariant(QString("1e300")) << 50000;
        QTest::newRow("above the maximum") << QVariant(70000) << 50000;
        QTest::newRow("not a number") << QVariant(qQNaN()) << 0;
    }

    void a_number_cell_opens_at_its_whole_value()
    {
        QFETCH(QVariant, cell);
        QFETCH(int, opened_at);
        SpinBoxDelegate delegate;
        CellEdit edit(cell);
        QCOMPARE(edit.open<QSpinBox>(delegate)->value(), opened_at);
        edit.commit(delegate);
        QCOMPARE(edit.value().userType(), int(QMetaType::Int));
        QCOMPARE(edit.value().toInt(), opened_at);
    }

    void a_typed_number_is_taken_within_the_range_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("within") << "345" << 345;
        // The sixth key is refused, so the editor holds what came before it.
        QTest::newRow("beyond the maximum") << "60000" << 6000;
        QTest::newRow("a minus sign") << "-5" << 5;
    }

    void a_typed_number_is_taken_within_the_range()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        SpinBoxDelegate delegate;
        CellEdit cell(QVariant(10));
        auto* editor = cell.open<QSpinBox>(delegate);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        cell.commit(delegate);
        QCOMPARE(cell.value().toInt(), stored);
    }

    void the_editor_covers_its_cell_in_a_grid()
    {
        QStandardItemModel model(20, 3);
        InputGrid grid;
        grid.setModel(&model);
        SpinBoxDelegate delegate(&grid);
        grid.setItemDelegateForColumn(1, &delegate);
        grid.resize(400, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        const QModelIndex index = model.index(2, 1);
        grid.edit(index);
        auto* editor = grid.viewport()->findChild<QSpinBox*>();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->geometry(), grid.visualRect(index));
        grid.horizontalHeader()->resizeSection(0, 150);
        QCoreApplication::processEvents();
        QCOMPARE(editor->geometry(), grid.visualRect(index));

        editor->setValue(99);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view commits through a queued call
        QCOMPARE(model.data(index, Qt::DisplayRole), QVariant(99));
        QCOMPARE(model.data(index, Qt::EditRole).userType(), int(QMetaType::Int));
    }
};

QTEST_MAIN(TestDelegates)
#include "test_delegates.moc"
