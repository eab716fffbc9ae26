#pragma once

// Drives the practice pane of a demonstration window through its real widgets: every kind of
// exercise is answered wrong, then right, and its solution revealed.

#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstdint>

namespace demo_test {

// The text a reader sees in a piece of rich text.
inline QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

inline QString plainText(const QLabel* label) {
    return plainText(label->text());
}

template <class T> T* named(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The size a window is given before it is shown; none keeps the size its layout asks for.
struct WindowSize {
    int width = 0;
    int height = 0;
};

// A shown demonstration window with its explore pane as `Explore` and its practice pane on a
// fixed seed, so that every run sets the same exercises.
template <class Explore, kit::DemoDefinition (*definition)(), std::uint64_t seed,
          WindowSize size = WindowSize{}>
struct DemoWindowTest : ::testing::Test {
    kit::DemoWindow window{definition()};
    Explore* explore = nullptr;
    void SetUp() override {
        if (size.width > 0)
            window.resize(size.width, size.height);
        window.show();
        window.practice()->setSeed(seed);
        explore = qobject_cast<Explore*>(window.explore());
        ASSERT_NE(explore, nullptr);
    }
    template <class T> T* find(const char* name) { return named<T>(window, name); }
    // What the named text browser shows.
    QString browserText(const char* name) {
        auto* browser = find<QTextBrowser>(name);
        return browser ? browser->toPlainText() : QString();
    }
    // Types over the whole text of the named line edit as a learner does: all of it selected and
    // deleted, then the new text typed key by key.
    void type(const char* field, const QString& text) {
        auto* edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

inline void answerEveryKindWrongThenRight(kit::DemoWindow& window) {
    auto* chooser = named<QComboBox>(window, "kindChooser");
    auto* field = named<QLineEdit>(window, "answerField");
    auto* verdict = named<QLabel>(window, "verdictLabel");
    auto* score = named<QLabel>(window, "scoreLabel");
    auto* next = named<QPushButton>(window, "nextButton");
    auto* solution = named<QPushButton>(window, "solutionButton");
    auto* steps = named<QTextBrowser>(window, "solutionView");
    ASSERT_TRUE(chooser && field && verdict && score && next && solution && steps);
    for (int k = 0; k < chooser->count(); ++k) {
        chooser->setCurrentIndex(k);
        SCOPED_TRACE(chooser->currentText().toStdString());
        const kit::Exercise& exercise = window.practice()->current();
        ASSERT_FALSE(exercise.prompt.empty());
        field->clear();
        QTest::keyClicks(field, "99999999");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(plainText(verdict).startsWith("Correct")) << plainText(verdict).toStdString();
        EXPECT_FALSE(plainText(verdict).isEmpty());
        field->clear();
        // QTest types only ASCII keys: an answer with π or √ is set as a paste would.
        const QString answer = QString::fromStdString(exercise.expectedAnswer);
        bool ascii = true;
        for (QChar c : answer)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(field, answer);
        else
            field->setText(answer);
        QTest::mouseClick(named<QPushButton>(window, "checkButton"), Qt::LeftButton);
        EXPECT_EQ(plainText(verdict), "Correct.");
        QTest::mouseClick(solution, Qt::LeftButton);
        EXPECT_FALSE(steps->toPlainText().isEmpty());
        QTest::mouseClick(next, Qt::LeftButton);
    }
    EXPECT_EQ(plainText(score), QString("Score: 0 of %1").arg(chooser->count()))
        << "the first check of each exercise was the wrong one";
}

} // namespace demo_test
