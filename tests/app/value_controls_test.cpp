#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "app/colour_swatch.h"
#include "app/value_field.h"
#include "tests/app/window_fixture.h"

namespace pixmora::test {

namespace {

QColor Swatch(const app::Form1Controls& c, int i) {
  return c.Label6[i]->palette().color(QPalette::Window);
}

}  // namespace

TEST_F(WindowTest, StartValues) {
  Start();
  const app::Form1Controls& c = window->Controls();
  EXPECT_EQ(c.Label9->text(), "50%");
  EXPECT_EQ(c.Label3->text(), "0.5");
  EXPECT_EQ(Swatch(c, 0), QColor(0, 0, 0));
  EXPECT_EQ(Swatch(c, 1), QColor(255, 255, 255));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(c.Label4[i]->text(), "000");
  for (int i = 3; i < 6; ++i) EXPECT_EQ(c.Label4[i]->text(), "255");
  EXPECT_EQ(c.HScroll1->value(), 5);
  EXPECT_EQ(c.HScroll2->value(), 5);
  EXPECT_EQ(c.Slider1->minimum(), -8) << "45 degrees a step, a full turn either way";
  EXPECT_EQ(c.Slider1->maximum(), 8);
  EXPECT_FALSE(c.Slider1->hasTracking()) << "a drag turns the picture once, on release";
}

TEST_F(WindowTest, ColourBarsShowTheirValueAndSwatch) {
  Start();
  const app::Form1Controls& c = window->Controls();
  Find<QScrollBar>("HS1(4)")->setValue(128);
  EXPECT_EQ(Find<QSpinBox>("Label4(4)")->text(), "128");
  EXPECT_EQ(Swatch(c, 1), QColor(255, 128, 255));
  c.HS1[0]->setValue(7);
  EXPECT_EQ(c.Label4[0]->text(), "007");
  EXPECT_EQ(Swatch(c, 0), QColor(7, 0, 0));
}

TEST_F(WindowTest, StrengthAndSizeShowTenths) {
  Start();
  const app::Form1Controls& c = window->Controls();
  c.HScroll2->setValue(7);
  EXPECT_EQ(c.Label9->text(), "70%");
  c.HScroll2->setValue(1);
  EXPECT_EQ(c.Label9->text(), "10%");
  c.HScroll2->setValue(10);
  EXPECT_EQ(c.Label9->text(), "100%");
  c.HScroll1->setValue(1);
  EXPECT_EQ(c.Label3->text(), "0.1");
  c.HScroll1->setValue(10);
  EXPECT_EQ(c.Label3->text(), "1.0");
}

namespace {

void Type(QSpinBox* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

// Each number can be typed; the bar follows once the typing is done.
TEST_F(WindowTest, ValuesCanBeTypedBesideTheirBars) {
  Start();
  window->show();
  const app::Form1Controls& c = window->Controls();
  Type(c.Label4[1], "12");
  EXPECT_EQ(c.HS1[1]->value(), 12);
  EXPECT_EQ(c.Label4[1]->text(), "012");
  EXPECT_EQ(Swatch(c, 0), QColor(0, 12, 0));
  Type(c.Label3, "0.7");
  EXPECT_EQ(c.HScroll1->value(), 7);
  Type(c.Label9, "80%");
  EXPECT_EQ(c.HScroll2->value(), 8);
  EXPECT_FALSE(c.Label9->Refused());
}

// A value the bar cannot take leaves the field in error and says what it
// takes; the bar keeps its value, and typing a good one clears the mark.
TEST_F(WindowTest, ATypedValueOutOfRangeOrMalformedIsRefusedWithTheRange) {
  Start();
  window->show();
  const app::Form1Controls& c = window->Controls();
  const std::pair<app::ValueField*, QString> refused[] = {
      {c.Label4[0], "Color 1 red takes 0 to 255"},
      {c.Label3, "Transparency takes 0.1 to 1.0"},
      {c.Label9, "Scale takes 10% to 100%"}};
  const QString typed[] = {"abc", "1.5", "150%"};
  for (size_t i = 0; i < std::size(refused); ++i) {
    const auto& [field, notice] = refused[i];
    const int before = field->value();
    Type(field, typed[i]);
    QCoreApplication::processEvents();
    EXPECT_EQ(field->value(), before) << typed[i].toStdString();
    EXPECT_TRUE(field->Refused()) << typed[i].toStdString();
    EXPECT_EQ(field->accessibleDescription(), notice);
    EXPECT_EQ(Notice(), notice);
    EXPECT_EQ(field->text(), typed[i]) << "kept to be typed over";
  }
  Type(c.Label9, "70%");
  EXPECT_EQ(c.HScroll2->value(), 7);
  EXPECT_FALSE(c.Label9->Refused());
  // Leaving the field puts the bar's value back; the mark stays.
  c.Label4[5]->setFocus();
  c.Label4[5]->selectAll();
  QTest::keyClicks(c.Label4[5], "300");
  c.Label4[4]->setFocus();
  EXPECT_EQ(c.Label4[5]->text(), "255");
  EXPECT_TRUE(c.Label4[5]->Refused());
}

TEST_F(WindowTest, ASwatchOpensTheColourDialog) {
  Start();
  QColor offered;
  QColor answer(10, 200, 30);
  window->SetColourDialog([&](const QColor& initial, QWidget*, const QString&) {
    offered = initial;
    return answer;
  });
  const app::Form1Controls& c = window->Controls();
  QTest::mouseClick(c.Label6[1], Qt::LeftButton);
  EXPECT_EQ(offered, QColor(255, 255, 255));
  EXPECT_EQ(c.HS1[3]->value(), 10);
  EXPECT_EQ(c.HS1[4]->value(), 200);
  EXPECT_EQ(c.HS1[5]->value(), 30);
  EXPECT_EQ(Swatch(c, 1), answer);
  answer = QColor();  // cancelled
  QTest::mouseClick(c.Label6[1], Qt::LeftButton);
  EXPECT_EQ(Swatch(c, 1), QColor(10, 200, 30));
}

}  // namespace pixmora::test
