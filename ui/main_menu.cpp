#include "ui/main_menu.h"

#include "ui/window_hub.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr const char* kCaption = "电磁屏蔽效能计算";
constexpr const char* kChooseCase = "请任意选择一种情况!";

constexpr std::array kControls{
    label("Label1", {1200, 360, 5100, 360}, "电磁兼容屏蔽效能计算(1.0版)", nullptr, Face::Heading),
    optionButton("Opt1", {1530, 1080, 3135, 495}, kCalculations[0].title, 0, Face::OptionCaption),
    optionButton("Opt2", {1530, 1800, 3135, 375}, kCalculations[1].title, 1, Face::OptionCaption),
    optionButton("Opt3", {1530, 2480, 2895, 450}, kCalculations[2].title, 2, Face::OptionCaption),
    optionButton("Opt4", {1530, 3180, 2895, 450}, kCalculations[3].title, 3, Face::OptionCaption),
    commandButton("Com1", {3840, 4080, 1215, 495}, "确 定", 4),
    commandButton("Com2", {5520, 4080, 1215, 495}, "退 出", 5),
};

constexpr FormSpec kForm{"frmmain", kCaption, 7605, 4950, kControls};

} // namespace

MainMenu::MainMenu(WindowHub& hub) : FormWindow(hub, kForm) {
    onClick("Com1", &MainMenu::Com1_Click);
    onClick("Com2", &MainMenu::Com2_Click);
}

void MainMenu::Com1_Click() {
    hub().clearSourceSelection(SourceWindow::Sheets);
    hub().clearSourceSelection(SourceWindow::Enclosure);
    const int chosen = selectedOption();
    if (chosen < 0) {
        hub().showMessage(this,
                          question(QString::fromUtf8(kChooseCase), QString::fromUtf8(kCaption)));
        return;
    }
    hide();
    hub().openFieldSource(kCalculations[static_cast<std::size_t>(chosen)].kind);
}

void MainMenu::Com2_Click() {
    hub().exitApplication();
}

} // namespace shieldcalc::ui
