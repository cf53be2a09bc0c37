#include "layout/windows.h"

#include "platform/single_instance.h"

GraphicsWindow& graphics() {
    return platform::SingleInstance<GraphicsWindow>::get();
}
ButtonsWindow& buttons() {
    return platform::SingleInstance<ButtonsWindow>::get();
}
ProgramWindow& program() {
    return platform::SingleInstance<ProgramWindow>::get();
}
QueryExitWindow& QueryExit() {
    return platform::SingleInstance<QueryExitWindow>::get();
}

void unloadWindows() {
    platform::SingleInstance<QueryExitWindow>::unload();
    platform::SingleInstance<ProgramWindow>::unload();
    platform::SingleInstance<ButtonsWindow>::unload();
    platform::SingleInstance<GraphicsWindow>::unload();
}
