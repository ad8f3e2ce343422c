// Zembo Patch Editor: prepares patch files for the live video mixer Zembo.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zembo Patch Editor");
    return 0;
}
