// The divisors window through its real widgets: exercises answered right and wrong with the
// solution shown, and the explore area reacting at once to what is typed.
#include "divisors/view/divisors_definition.h"
#include "divisors/view/divisors_explore.h"
#include "divisors/view/divisors_tab.h"
#include "divisors/view/euclid_tab.h"
#include "divisors/view/sieve_tab.h"
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"

#include "window_checks.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gmpxx.h>

#include <gtest/gtest.h>

namespace {

using DivisorsWindow =
    demo_test::DemoWindowTest<divisors::DivisorsExplore, divisors::demoDefinition, 2026>;

} // namespace

TEST_F(DivisorsWindow, StartsWithItsLessonAndEveryKindOfExercise) {
    EXPECT_EQ(window.windowTitle(), "Divisors and Prime Factors");
    EXPECT_TRUE(window.lesson()->toPlainText().contains("Euclid's algorithm"));
    auto* chooser = find<QComboBox>("kindChooser");
    EXPECT_EQ(chooser->count(), 8);
}

TEST_F(DivisorsWindow, AnExerciseAnsweredWrongThenRightWithTheSolutionShown) {
    auto* chooser = find<QComboBox>("kindChooser");
    chooser->setCurrentIndex(chooser->findText("Prime factorisation"));
    ASSERT_EQ(window.practice()->current().kind, "factorise");
    auto* field = find<QLineEdit>("answerField");
    QTest::keyClicks(field, "4 * 5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")),
              "4 (at 1) is not a prime: it can be split further");
    field->clear();
    QTest::keyClicks(field, QString::fromStdString(window.practice()->current().expectedAnswer));
    QTest::mouseClick(find<QPushButton>("checkButton"), Qt::LeftButton);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("verdictLabel")), "Correct.");
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")), "Score: 0 of 1");

    auto* solution = find<QPushButton>("solutionButton");
    while (solution->isEnabled())
        QTest::mouseClick(solution, Qt::LeftButton);
    const QString steps = find<QTextBrowser>("solutionView")->toPlainText();
    EXPECT_TRUE(steps.contains("\u00f7")) << steps.toStdString();
    EXPECT_TRUE(steps.contains("Collect equal primes"));

    QTest::mouseClick(find<QPushButton>("nextButton"), Qt::LeftButton);
    QTest::keyClicks(field, QString::fromStdString(window.practice()->current().expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(demo_test::plainText(find<QLabel>("scoreLabel")), "Score: 1 of 2");
}

TEST_F(DivisorsWindow, TheExploreAreaReactsAtOnce) {
    auto* number = find<QLineEdit>("numberField");
    number->setText("360");
    const QString results = explore->divisorsTab()->resultText();
    EXPECT_TRUE(results.contains("360 = 23 \u00b7 32 \u00b7 5")) << results.toStdString();
    EXPECT_TRUE(results.contains("= 24")) << "number of divisors";
    EXPECT_TRUE(results.contains("= 1170")) << "sum of divisors";

    number->setText("1000000016000000063");
    EXPECT_TRUE(explore->divisorsTab()->resultText().contains("1000000007 \u00b7 1000000009"));
    number->setText("12a");
    EXPECT_EQ(demo_test::plainText(find<QLabel>("numberMessage")), "unexpected 'a' at 3");
    EXPECT_TRUE(explore->divisorsTab()->resultText().isEmpty()) << "no results of an earlier n";

    // Two 15-digit primes: beyond the work budget, said so instead of freezing.
    mpz_class p, q;
    mpz_nextprime(p.get_mpz_t(), mpz_class("100000000000000").get_mpz_t());
    mpz_nextprime(q.get_mpz_t(), mpz_class("300000000000000").get_mpz_t());
    number->setText(QString::fromStdString(mpz_class(p * q).get_str()));
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("numberMessage"))
                    .contains("too large for this demonstration"));

    explore->euclidTab()->setNumbers("252", "198");
    const QString euclid = explore->euclidTab()->resultText();
    EXPECT_TRUE(euclid.contains("gcd(252, 198) = 18"));
    EXPECT_TRUE(euclid.contains("18 = 4 \u00b7 252 + (-5) \u00b7 198"));
    EXPECT_TRUE(euclid.contains("lcm(252, 198) = 252 \u00b7 198 / 18 = 2772"));
    explore->euclidTab()->setNumbers("0", "0");
    EXPECT_TRUE(demo_test::plainText(find<QLabel>("euclidMessage")).contains("not defined"));

    divisors::SieveTab* sieve = explore->sieveTab();
    sieve->advance();
    EXPECT_TRUE(sieve->statusText().contains("Now: 4 = 2"));
    sieve->finish();
    EXPECT_TRUE(sieve->finished());
    EXPECT_TRUE(sieve->statusText().contains("78 primes"));
}
