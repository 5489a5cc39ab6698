// The number cell editor of the grids: what it opens at, what it takes and what it writes back.

#include "input_grid.h"
#include "spin_box_delegate.h"

#include <QHeaderView>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>

class TestDelegates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { grid.setModel(&model); }

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
        model.setData(model.index(0, 0), cell, Qt::EditRole);
        std::unique_ptr<QWidget> editor(delegate.createEditor(&grid, QStyleOptionViewItem(), model.index(0, 0)));
        delegate.setEditorData(editor.get(), model.index(0, 0));
        QCOMPARE(qobject_cast<QSpinBox*>(editor.get())->value(), opened_at);
        delegate.setModelData(editor.get(), &model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(opened_at));
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
    QStandardItemModel model{20, 3};
    InputGrid grid;
};

QTEST_MAIN(TestDelegates)
#include "test_delegates.moc"
