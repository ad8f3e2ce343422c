// How long the file list takes to show a folder of 100,000 files (read, sorted, first screen
// drawn) beside `ls -l` on the same folder, with and without the location combo box following
// it, and what a row of the list costs in memory.
//
// file_list_bench [files] [folder]: folder defaults to a new one below $TMPDIR, removed after.
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/median.h"
#include "browser/file_list_pane.h"
#include "browser/file_system_namespace.h"
#include "ui/browser/shell_combo_box.h"
#include "ui/browser/shell_list_view.h"

extern char** environ;

namespace {

using zembo::bench::Median;

using Clock = std::chrono::steady_clock;
using zembo::browser::FileSystemLayout;
using zembo::browser::FileSystemNamespace;

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// Names as a camera or an editor writes them: numbered takes of a few scenes.
std::string NameOf(int i) {
    static const char* kScenes[] = {"clip", "Take ", "scene_A", "b-roll", "IMG_"};
    return std::string(kScenes[i % 5]) + std::to_string(i) + (i % 7 == 0 ? ".mov" : ".avi");
}

std::size_t MakeFiles(const std::string& folder, int count) {
    std::size_t nameBytes = 0;
    for (int i = 0; i < count; ++i) {
        const std::string name = NameOf(i);
        nameBytes += name.size();
        const int fd = open((folder + "/" + name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) {
            std::perror("open");
            std::exit(2);
        }
        close(fd);
    }
    return nameBytes;
}

double TimeLs(const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string a0 = "ls", a1 = "-l", a2 = folder;
    char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "ls", &actions, nullptr, argv, environ) != 0) {
        std::perror("ls");
        std::exit(2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double t = Seconds(start);
    posix_spawn_file_actions_destroy(&actions);
    return t;
}

class NoControl : public zembo::browser::ListControl {
  public:
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ShowBusyPointer() override {}
    void RestorePointer() override {}
    std::optional<int> FirstSelectedRow() const override { return std::nullopt; }
    bool IsRowSelected(int) const override { return false; }
    void ClearSelection() override {}
    void SelectRow(int) override {}
    void EditCaption(int) override {}
    void ShowProperties(int) override {}
};

// Bytes the program holds from the heap, large blocks (mapped on their own) included.
std::size_t HeapInUse() {
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

FileSystemLayout LayoutFor(const std::string& folder) {
    return FileSystemLayout{folder, folder + "/no-desktop", {}};
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::string folder;
    bool own = argc <= 2;
    if (own) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zembo-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            return 2;
        }
        folder = pattern;
    } else {
        folder = argv[2];
    }
    std::printf("Making %d files in %s ...\n", count, folder.c_str());
    const std::size_t nameBytes = MakeFiles(folder, count);

    // Memory: the row table alone, beyond the bytes of the names.
    double bytesPerRow = 0;
    {
        FileSystemNamespace ns(LayoutFor(folder), nullptr);
        NoControl control;
        zembo::browser::FileListPane pane(ns, control);
        pane.ShowFolder(zembo::browser::ItemId());
        const std::size_t before = HeapInUse();
        pane.ShowFolder(ns.IdOfPath(folder));
        const std::size_t after = HeapInUse();
        bytesPerRow = (static_cast<double>(after - before) - static_cast<double>(nameBytes)) /
                      pane.RowCount();
        std::printf(
            "row table: %d rows of %zu bytes, %zu bytes of heap, %zu bytes of names: "
            "%.1f bytes a row beyond the names\n",
            pane.RowCount(), sizeof(zembo::browser::ShellItem), after - before, nameBytes,
            bytesPerRow);
    }

    auto ns = std::make_unique<FileSystemNamespace>(LayoutFor(folder), nullptr);
    const zembo::browser::ItemId target = ns->IdOfPath(folder);
    // The list in a window as the editor has it, and the same once more, followed by a location
    // combo box: both windows are drawn whole.
    QWidget plain;
    auto* plainView = new zembo::ui::TShellListView(std::move(ns), &plain);
    plainView->setGeometry(0, 0, 609, 201);
    zembo::ui::TShellListView& view = *plainView;
    plain.resize(609, 241);
    plain.show();
    QWidget followed;
    auto* linkedView = new zembo::ui::TShellListView(
        std::make_unique<FileSystemNamespace>(LayoutFor(folder), nullptr), &followed);
    linkedView->setGeometry(0, 0, 609, 201);
    auto* combo = new zembo::ui::TShellComboBox(*linkedView, &followed);
    combo->setGeometry(0, 208, 225, 25);
    followed.resize(609, 241);
    followed.show();
    QApplication::processEvents();

    // Shows the folder from the desktop; the seconds until read and sorted, and until drawn.
    auto show = [&](zembo::ui::TShellListView& v, QWidget& window, std::vector<double>& shown,
                    std::vector<double>* read) {
        v.ShowFolder(zembo::browser::ItemId());
        window.grab();
        const auto start = Clock::now();
        v.ShowFolder(target);
        if (read != nullptr) {
            read->push_back(Seconds(start));
        }
        window.grab();  // the first screen, drawn
        shown.push_back(Seconds(start));
        const bool all = v.RowCount() == count;
        v.ShowFolder(zembo::browser::ItemId());  // the other list starts from the same memory
        return all;
    };

    TimeLs(folder);  // both read the folder once before timing, with a warm cache
    std::vector<double> ls;
    std::vector<double> list;
    std::vector<double> listOnly;
    std::vector<double> withCombo;
    std::vector<double> comboRead;
    for (int round = 0; round < 10; ++round) {
        ls.push_back(TimeLs(folder));
        // Each goes first every other round.
        const bool plainFirst = round % 2 == 0;
        const bool ok = plainFirst ? show(view, plain, list, &listOnly) &&
                                         show(*linkedView, followed, withCombo, &comboRead)
                                   : show(*linkedView, followed, withCombo, &comboRead) &&
                                         show(view, plain, list, &listOnly);
        if (!ok) {
            std::fprintf(stderr, "listed %d rows, expected %d\n", view.RowCount(), count);
            return 2;
        }
    }
    // What the combo box itself does for the folder, apart from the list: two lists of the same
    // folder differ by more than that from one instance to the other.
    std::vector<double> follow;
    for (int round = 0; round < 11; ++round) {
        combo->Entries().Follow(zembo::browser::ItemId());
        const auto start = Clock::now();
        combo->Entries().Follow(target);
        follow.push_back(Seconds(start));
    }
    const double lsTime = Median(ls);
    const double listTime = Median(list);
    std::printf("ls -l:                    %.3f s (median of %zu)\n", lsTime, ls.size());
    std::printf("file list shown:          %.3f s (median of %zu; read and sorted %.3f s)\n",
                listTime, list.size(), Median(listOnly));
    std::printf(
        "with the combo box:       %.3f s (median of %zu; read and sorted %.3f s; %+.1f %%)\n",
        Median(withCombo), withCombo.size(), Median(comboRead),
        100.0 * (Median(withCombo) / listTime - 1.0));
    std::printf("the combo box following:  %.3f ms of it (median of %zu)\n", Median(follow) * 1000,
                follow.size());

    if (own) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    const bool met = listTime <= lsTime && listTime < 1.0 && bytesPerRow < 256;
    std::printf("targets (at most ls -l, under 1 s, under 256 bytes a row): %s\n",
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
