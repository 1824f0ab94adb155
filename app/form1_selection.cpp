// Form1's selection: the part of image A the commands change. The tool bar's
// rectangle and ellipse tools draw it in the large view (which shows image A
// when a tool is taken up over the four previews), where its handles resize
// it and the arrow keys nudge it; the previews of image A and of the result
// outline it. Every change is a step of the history.
#include <QAction>
#include <QActionGroup>
#include <QToolBar>

#include "app/form1.h"
#include "app/picture_box.h"
#include "app/tool_icons.h"
#include "session/history/step_description.h"
#include "windows/picture_view.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

struct ToolEntry {
  const char* name;
  SelectionShape shape;
  OwnTool icon;
  const char* caption;
  const char* tip;
  const char* accessibleName;
};

constexpr ToolEntry kTools[] = {
    {"ToolRectangle", SelectionShape::Rectangle, OwnTool::RectangleSelection, "Rectangle Selection",
     "Rectangle selection: drag in the large view (Shift: a square)", "Rectangle selection tool"},
    {"ToolEllipse", SelectionShape::Ellipse, OwnTool::EllipseSelection, "Ellipse Selection",
     "Ellipse selection: drag in the large view (Shift: a circle)", "Ellipse selection tool"},
};

// The history's name of a step the view made.
const char* EditName(windows::SelectionEdit how, SelectionShape shape) {
  switch (how) {
    case windows::SelectionEdit::Drawn:
      return shape == SelectionShape::Ellipse ? "Select Ellipse" : "Select Rectangle";
    case windows::SelectionEdit::Moved:
    case windows::SelectionEdit::Nudged: return "Move Selection";
    case windows::SelectionEdit::Resized: return "Resize Selection";
    case windows::SelectionEdit::Cleared: break;
  }
  return "Select None";
}

// Whether the result has image A's size, so that a selection fits it too.
bool ResultOverImageA(const Workspace& ws) {
  return ws.Pic4.GetPicture() && ws.Pic4.Width() == ws.Pic1.Width() && ws.Pic4.Height() == ws.Pic1.Height();
}

}  // namespace

void Form1::BuildSelectionTools() {
  auto* bar = findChild<QToolBar*>("ToolBar");
  bar->addSeparator();
  selectionTools_ = new QActionGroup(this);
  selectionTools_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const ToolEntry& t : kTools) {
    auto* tool = new QAction(OwnToolIcon(t.icon), QString(), selectionTools_);
    tool->setObjectName(t.name);
    tool->setCheckable(true);
    windows::SetCaption(tool, t.caption);
    windows::SetToolTip(tool, t.tip);
    bar->addAction(tool);
    windows::SetAccessibleName(bar->widgetForAction(tool), t.accessibleName);
  }
  connect(selectionTools_, &QActionGroup::triggered, this, &Form1::SelectionToolChosen);
  connect(c_.largeView, &windows::PictureView::selectionEdited, this, &Form1::SelectionEdited);
  // While a command runs the session is its own: nothing draws a selection.
  connect(this, &Form1::availabilityChanged, this, [this] {
    for (QAction* tool : selectionTools_->actions()) tool->setEnabled(!Busy() && ws_.Pic1.GetPicture());
    if (Busy()) c_.largeView->SetSelectionTool(std::nullopt);
    else ShowSelection();
  });
}

std::optional<SelectionShape> Form1::SelectionTool() const {
  const QAction* checked = selectionTools_ ? selectionTools_->checkedAction() : nullptr;
  if (!checked) return std::nullopt;
  return checked->objectName() == QLatin1String(kTools[1].name) ? SelectionShape::Ellipse : SelectionShape::Rectangle;
}

void Form1::SelectionToolChosen() {
  // A selection is drawn over image A, or over a result of its size.
  const bool overA = large_ == Slot::ImageA || (large_ == Slot::Result && ResultOverImageA(ws_));
  if (SelectionTool() && !overA) ShowLarge(Slot::ImageA);
  else ShowSelection();
}

void Form1::SelectionEdited(const std::optional<Selection>& selection, windows::SelectionEdit how) {
  std::optional<Selection> made = selection;
  if (made && how == windows::SelectionEdit::Drawn) made->feather = selectionFeather_;
  ChangeSelection(made, EditName(how, made ? made->shape : SelectionShape::Rectangle),
                  how == windows::SelectionEdit::Nudged);
}

void Form1::ChangeSelection(const std::optional<Selection>& selection, const char* step, bool merge) {
  if (Busy()) return;
  EndLiveBurst();
  ws_.selection = selection;
  if (selection) selectionFeather_ = selection->feather;
  RecipeStep change;
  change.kind = RecipeStep::Kind::Select, change.selection = selection, change.text = step;
  const History::Entry& current = history_->Entries()[history_->Position()];
  const bool again = merge && current.steps.size() == 1 && current.steps[0].kind == RecipeStep::Kind::Select &&
                     current.steps[0].text == step;
  if (again)
    history_->ReplaceCurrent(StepName(change).toStdString(), StepDetails(change, *history_), {change},
                             CaptureState(ws_));
  else RecordStep(change);
  emit historyChanged();
  ShowSelection();
}

void Form1::TypeSelection() {
  if (Busy() || !ws_.Pic1.GetPicture()) return;
  const SelectionShape tool = SelectionTool().value_or(SelectionShape::Rectangle);
  const std::optional<Selection> typed =
      askSelection_(this, ws_.selection, tool, ws_.Pic1.Width(), ws_.Pic1.Height());
  if (typed && typed != ws_.selection) ChangeSelection(typed, "Selection");
}

void Form1::ShowSelection() {
  const std::optional<Selection>& selection = ws_.selection;
  const bool resultOverA = ResultOverImageA(ws_);
  c_.Image2->SetOutline(selection);
  c_.Image1->SetOutline(resultOverA ? selection : std::nullopt);
  const bool overA = large_ == Slot::ImageA || (large_ == Slot::Result && resultOverA);
  c_.largeView->SetSelection(overA ? selection : std::nullopt);
  c_.largeView->SetSelectionTool(overA ? SelectionTool() : std::nullopt);
}

}  // namespace pixmora::app
