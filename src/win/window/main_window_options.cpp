// The options record and the parts that show it: gathered before each save,
// handed out after each read.
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::win {

void MainWindow::GatherOptions() {
  for (size_t slot = 0; slot < options_.slotColors.size(); ++slot)
    options_.slotColors[slot] = palette_.Slot(static_cast<int>(slot)).Color();
  options_.crosshair = magnifier_.CrosshairStyle();
  options_.notation = codeBox_.Notation();
  options_.zoomIndex = magnifier_.ZoomList().ItemIndex();
  options_.averaging = magnifier_.Averaging();
  options_.textInFrame = frame_.TextShown();
  options_.alwaysOnTop = layout_.StaysOnTop();
  options_.stayInTray = stayInTrayItem_->Checked;
  options_.htmlOnly = names_.HtmlOnly();
  options_.sortOrder = names_.SortOrder();
  options_.paletteName = Narrow(palette_.NameToKeep());
  options_.titleShown = layout_.TitleShown();
  options_.upperCase = codeBox_.UpperCase();
  options_.layout = layout_.Current();
}

void MainWindow::ApplyWindowOptions() {
  codeBox_.RestoreUpperCase(options_.upperCase);
  layout_.RecordDesign();
  // The window is built in the large layout; only another one is applied.
  if (options_.layout != kLargeLayout) layout_.Apply(options_.layout);
  if (!options_.titleShown) layout_.SetTitleShown(false);
  palette_.RestoreName(Widen(options_.paletteName));
}

void MainWindow::ApplyFormOptions() {
  for (size_t slot = 0; slot < options_.slotColors.size(); ++slot)
    palette_.Slot(static_cast<int>(slot)).SetColor(options_.slotColors[slot]);
  magnifier_.ChooseCrosshair(options_.crosshair);
  codeBox_.RestoreNotation(options_.notation);
  magnifier_.ZoomList().SetItemIndex(options_.zoomIndex);
  magnifier_.ChooseAveraging(options_.averaging);
  frame_.RestoreTextShown(options_.textInFrame);
  layout_.RestoreStayOnTop(options_.alwaysOnTop);
  stayInTrayItem_->Checked = options_.stayInTray;
  names_.RestoreHtmlOnly(options_.htmlOnly);
  names_.RestoreSortOrder(options_.sortOrder);
}

}  // namespace tw::win
