#include "tests/support/window_fixture.h"

#include <gtest/gtest.h>

#include "ui/qt_text.h"

namespace zembo::test {

WindowFixture::WindowFixture(ui::ClipPreview* preview) {
    ui::SetErrorBoxSink([this](const QString& caption, const QString& text) {
        errors.push_back(ui::FromQt(caption) + "|" + ui::FromQt(text));
    });
    ui::TfmMainServices services;
    services.chooser = &chooser;
    services.messages = &messages;
    services.pause = [this](int ms) {
        pauses.push_back(ms);
        if (duringPause) {
            duringPause();
        }
    };
    services.preview = preview != nullptr ? preview : &previews;
    std::filesystem::create_directories(dir / "home/Desktop");
    services.shellNamespace = [this] {
        browser::FileSystemLayout layout{dir / "home", dir / "home/Desktop",
                                         [] { return std::vector<std::string>{}; }};
        auto ns = std::make_unique<browser::FileSystemNamespace>(
            layout, std::make_unique<RecordingOpener>(opened));
        shell = ns.get();
        return ns;
    };
    main = std::make_unique<ui::TfmMain>(services);
    help = std::make_unique<ui::TfmAbout>(main.get());
    main->SetHelpWindow(help.get());
}

WindowFixture::~WindowFixture() {
    help.reset();
    main.reset();
    ui::SetErrorBoxSink({});
}

void WindowFixture::ShowMain() {
    main->show();
    main->activateWindow();
    EXPECT_TRUE(WaitActive(main.get()));
}

bool WindowFixture::WaitActive(QWidget* window) {
    const bool active = QTest::qWaitForWindowActive(window);
    QApplication::processEvents();
    return active;
}

void WindowFixture::Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

}  // namespace zembo::test
