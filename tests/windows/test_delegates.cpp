// The number cell editor of the grids: what it opens at, what it takes and what it writes back.

#include "spin_box_delegate.h"

#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>

class TestDelegates : public QObject {
    Q_OBJECT
private slots:
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
        std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        delegate.setEditorData(editor.get(), model.index(0, 0));
        QCOMPARE(qobject_cast<QSpinBox*>(editor.get())->value(), opened_at);
        delegate.setModelData(editor.get(), &model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(opened_at));
    }

    // A typed sixth key is refused, a minus sign too.
    void a_typed_number_is_taken_within_the_range()
    {
        SpinBoxDelegate delegate;
        std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        auto* spin = qobject_cast<QSpinBox*>(editor.get());
        spin->selectAll();
        QTest::keyClicks(spin, "-60000");
        delegate.setModelData(editor.get(), &model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(6000));
    }

private:
    QStandardItemModel model{1, 1};
    QWidget parent;
};

QTEST_MAIN(TestDelegates)
#include "test_delegates.moc"
