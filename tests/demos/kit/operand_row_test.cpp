// The row of two operands an explorer of two numbers puts above its picture.
#include "kit/view/operand_row.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QLabel* labelAt(QHBoxLayout* row, int index) {
    return qobject_cast<QLabel*>(row->itemAt(index)->widget());
}

TEST(OperandRow, LabelsEachBoxAndPutsTheOperationBetweenThem) {
    QWidget explorer;
    auto* a = new QSpinBox(&explorer);
    auto* operation = new QComboBox(&explorer);
    auto* b = new QSpinBox(&explorer);
    auto* row = kit::operandRow(&explorer, a, operation, b);
    auto* layout = new QVBoxLayout(&explorer);
    layout->addLayout(row);
    ASSERT_EQ(row->count(), 6);
    ASSERT_NE(labelAt(row, 0), nullptr);
    EXPECT_EQ(labelAt(row, 0)->text(), "&a =");
    EXPECT_EQ(labelAt(row, 0)->buddy(), a);
    EXPECT_EQ(row->itemAt(1)->widget(), a);
    EXPECT_EQ(row->itemAt(2)->widget(), operation);
    ASSERT_NE(labelAt(row, 3), nullptr);
    EXPECT_EQ(labelAt(row, 3)->text(), "&b =");
    EXPECT_EQ(labelAt(row, 3)->buddy(), b);
    EXPECT_EQ(row->itemAt(4)->widget(), b);
    EXPECT_NE(row->itemAt(5)->spacerItem(), nullptr) << "the rest of the row is left empty";
    for (QWidget* widget : {static_cast<QWidget*>(a), static_cast<QWidget*>(operation),
                            static_cast<QWidget*>(b), static_cast<QWidget*>(labelAt(row, 0))})
        EXPECT_EQ(widget->parentWidget(), &explorer);
}

TEST(OperandRow, WithoutAnOperationTheBoxesFollowEachOther) {
    QWidget explorer;
    auto* a = new QSpinBox(&explorer);
    auto* b = new QSpinBox(&explorer);
    auto* row = kit::operandRow(&explorer, a, nullptr, b);
    auto* layout = new QVBoxLayout(&explorer);
    layout->addLayout(row);
    ASSERT_EQ(row->count(), 5);
    EXPECT_EQ(row->itemAt(1)->widget(), a);
    EXPECT_EQ(labelAt(row, 2)->buddy(), b);
    EXPECT_EQ(row->itemAt(3)->widget(), b);
}

} // namespace
