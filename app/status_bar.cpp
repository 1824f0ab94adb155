#include "app/status_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "app/elided_label.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {
constexpr int kBarWidth = 160;
constexpr int kBarHeight = 14;
}  // namespace

void BuildStatusBar(QMainWindow& window, Form1Controls& c) {
  c.StatusBar1 = new QStatusBar(&window);
  c.StatusBar1->setObjectName("StatusBar1");
  c.StatusBar1->setSizeGripEnabled(true);
  // Painted in its own colours, not the window's colour scheme.
  c.StatusBar1->setAutoFillBackground(true);
  window.setStatusBar(c.StatusBar1);
  c.panels[0] = new QWidget(c.StatusBar1);
  // The texture folder and a notice are never cut: on a narrow window they
  // share the room, each elided in the middle (and whole in its tool tip).
  c.panels[1] = new ElidedLabel(c.StatusBar1);
  c.panels[2] = new ElidedLabel(c.StatusBar1);
  auto* pointer = new QLabel(c.StatusBar1);
  pointer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  c.panels[3] = pointer;
  for (int i = 0; i < 4; ++i) c.panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
  c.cancelButton = new QPushButton(c.StatusBar1);
  c.cancelButton->setObjectName("CancelButton");
  windows::SetCaption(c.cancelButton, "Cancel");
  c.cancelButton->hide();
  c.StatusBar1->addWidget(c.panels[0]);
  c.StatusBar1->addWidget(c.cancelButton);
  c.StatusBar1->addWidget(c.panels[1]);
  c.noticesButton = new QToolButton(c.StatusBar1);
  c.noticesButton->setObjectName("NoticesButton");
  windows::SetCaption(c.noticesButton, "Notices");
  windows::SetAccessibleName(c.noticesButton, "Notices");
  windows::SetToolTip(c.noticesButton, "The last notices, with their times");
  c.noticesButton->setEnabled(false);
  c.StatusBar1->addWidget(c.noticesButton);
  c.StatusBar1->addWidget(c.panels[2], 1);
  c.StatusBar1->addPermanentWidget(c.panels[3]);
  c.ProgressBar3 = new QProgressBar(&window);
  c.ProgressBar3->setObjectName("ProgressBar3");
  windows::SetAccessibleName(c.ProgressBar3, "Progress");
  c.ProgressBar3->setFixedSize(kBarWidth, kBarHeight);
  c.ProgressBar3->setTextVisible(false);
  c.ProgressBar3->setRange(0, 1);
  c.ProgressBar3->hide();
}

void PutProgressInStatusBar(QProgressBar* bar, const Form1Controls& c, int panelIndex) {
  QWidget* panel = c.panels[panelIndex - 1];
  panel->setFixedWidth(bar->width() + 15);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar, 0, Qt::AlignCenter);
  bar->show();
  bar->setValue(0);
}

void SetStatusPanelText(const Form1Controls& c, int panelIndex, const QString& text) {
  auto* label = static_cast<QLabel*>(c.panels[panelIndex - 1]);
  label->setText(text);
  label->setToolTip(text);
}

}  // namespace pixmora::app
