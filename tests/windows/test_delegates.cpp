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

class TestDelegates : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        model.setData(model.index(0, 0), QVariant(), Qt::EditRole);
        grid.setModel(&model);
    }

    // Dates and times round trip as such; an empty or text cell opens at, and stores, now.
    void date_and_time_cells_round_trip_as_such()
    {
        DateDelegate dates;
        const QDateTime date_time(QDate(2026, 12, 5), QTime(7, 30));
        QCOMPARE(edit<QDateTimeEdit>(dates, date_time)->dateTime(), date_time);
        qobject_cast<QDateTimeEdit*>(editor.get())->setDateTime(date_time.addDays(1));
        commit(dates);
        QCOMPARE(value(), QVariant(date_time.addDays(1)));
        for (const QVariant& cell : {QVariant(), QVariant(QString("tomorrow"))}) {
            QVERIFY(qAbs(edit<QDateTimeEdit>(dates, cell)->dateTime().secsTo(QDateTime::currentDateTime())) < 3600);
            commit(dates);
            QCOMPARE(value().userType(), int(QMetaType::QDateTime));
        }
        TimeDelegate times;
        QCOMPARE(edit<QTimeEdit>(times, QTime(9, 15))->time(), QTime(9, 15));
        QVERIFY(edit<QTimeEdit>(times, QVariant())->time().isValid());
        commit(times);
        QCOMPARE(value().userType(), int(QMetaType::QTime));
    }

    // A number cell opens at its whole value, the fraction dropped, within the editor's range.
    void a_number_cell_opens_at_its_whole_value_data()
    {
        QTest::addColumn<QVariant>("cell");
        QTest::addColumn<int>("opened_at");
        QTest::newRow("integer") << QVariant(42) << 42;
        QTest::newRow("letters") << QVariant(QString("abc")) << 0;
        QTest::newRow("decimal text") << QVariant(QString("12.5")) << 12;
        QTest::newRow("double") << QVariant(250.75) << 250;
        QTest::newRow("huge text") << QVariant(QString("1e300")) << 50000;
        QTest::newRow("not a number") << QVariant(qQNaN()) << 0;
    }
    void a_number_cell_opens_at_its_whole_value()
    {
        QFETCH(QVariant, cell);
        QFETCH(int, opened_at);
        SpinBoxDelegate delegate;
        QCOMPARE(edit<QSpinBox>(delegate, cell)->value(), opened_at);
        commit(delegate);
        QCOMPARE(value(), QVariant(opened_at));
    }

    // The editor covers its cell, also after a column is resized; a typed sixth key is refused,
    // a minus sign too; Return commits a whole number.
    void the_editor_covers_its_cell_and_takes_typed_numbers()
    {
        SpinBoxDelegate delegate(&grid);
        grid.setItemDelegateForColumn(1, &delegate);
        grid.resize(400, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QModelIndex index = model.index(2, 1);
        grid.edit(index);
        auto* spin = grid.viewport()->findChild<QSpinBox*>();
        QVERIFY(spin != nullptr);
        QCOMPARE(spin->geometry(), grid.visualRect(index));
        grid.horizontalHeader()->resizeSection(0, 150);
        QCoreApplication::processEvents();
        QCOMPARE(spin->geometry(), grid.visualRect(index));
        spin->selectAll();
        QTest::keyClicks(spin, "-60000");
        QTest::keyClick(spin, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view commits through a queued call
        QCOMPARE(model.data(index, Qt::EditRole), QVariant(6000));
    }

private:
    // Opens an editor on the first cell holding the value, the way a view drives the delegate.
    template <typename Editor>
    Editor* edit(const QStyledItemDelegate& delegate, const QVariant& cell)
    {
        model.setData(model.index(0, 0), cell, Qt::EditRole);
        editor.reset(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        delegate.setEditorData(editor.get(), model.index(0, 0));
        return qobject_cast<Editor*>(editor.get());
    }
    void commit(const QStyledItemDelegate& delegate) { delegate.setModelData(editor.get(), &model, model.index(0, 0)); }
    QVariant value() const { return model.data(model.index(0, 0), Qt::EditRole); }

    QStandardItemModel model{20, 3};
    InputGrid grid;
    QWidget parent;
    std::unique_ptr<QWidget> editor;
};

QTEST_MAIN(TestDelegates)
#include "test_delegates.moc"
