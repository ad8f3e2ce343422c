#include "ui/module_loader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zembo::ui {

std::vector<std::string> ModulePlaces(const std::string& fileName) {
    const std::string here = QCoreApplication::applicationDirPath().toStdString();
    // The build tree keeps them beside the editor, one folder above its tests and benchmarks.
    return {here + "/" + fileName, here + "/../" + fileName,
            std::string(ZEMBO_MODULE_DIR) + "/" + fileName};
}

void* ResolveInModule(const std::vector<std::string>& places, const char* symbol,
                      std::string& why) {
    why = "no place to look";
    for (const std::string& place : places) {
        QLibrary module(QString::fromStdString(place));
        if (QFunctionPointer f = module.resolve(symbol)) {
            return reinterpret_cast<void*>(f);
        }
        why = module.errorString().toStdString();
    }
    return nullptr;
}

}  // namespace zembo::ui
