#include "desktop/window_system_choice.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace orbetta::desktop {

namespace {

struct Answers {
    Compositor compositor;
    std::vector<wl_output*> outputs;
};

void outputGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    const char*, const char*, std::int32_t) {}
void outputMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}
void outputDone(void*, wl_output*) {}
void outputText(void*, wl_output*, const char*) {}
void outputScale(void* data, wl_output*, std::int32_t factor) {
    auto* answers = static_cast<Answers*>(data);
    answers->compositor.largestScale = std::max(answers->compositor.largestScale, static_cast<int>(factor));
}
const wl_output_listener kOutputListener{.geometry = outputGeometry,
                                         .mode = outputMode,
                                         .done = outputDone,
                                         .scale = outputScale,
                                         .name = outputText,
                                         .description = outputText};

void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    auto* answers = static_cast<Answers*>(data);
    const std::string_view offered(interface);
    // The protocols by which a client asks the compositor to draw its title bar (KDE's older one included).
    if (offered == "zxdg_decoration_manager_v1" || offered == "org_kde_kwin_server_decoration_manager") {
        answers->compositor.drawsDecorations = true;
    } else if (offered == wl_output_interface.name && version >= 2) { // the scale came with version 2
        auto* output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(output, &kOutputListener, answers);
        answers->outputs.push_back(output);
    }
}
void globalRemoved(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener{.global = global, .global_remove = globalRemoved};

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool platformOnCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument.starts_with("-platform=") ||
            argument.starts_with("--platform="))
            return true;
    }
    return false;
}

} // namespace

std::optional<Compositor> askCompositor() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return std::nullopt;
    Answers answers;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &answers);
    // The first round trip lists what the compositor offers, the second brings the outputs' scales.
    const bool answered = wl_display_roundtrip(display) >= 0 && wl_display_roundtrip(display) >= 0;
    for (wl_output* output : answers.outputs)
        wl_output_destroy(output);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return std::nullopt;
    return answers.compositor;
}

bool preferXWayland(const Compositor& compositor) {
    return !compositor.drawsDecorations && compositor.largestScale == 1;
}

bool chooseWindowSystem(int argc, char* argv[]) {
    if (isSet("QT_QPA_PLATFORM") || platformOnCommandLine(argc, argv) || !isSet("WAYLAND_DISPLAY") ||
        !isSet("DISPLAY"))
        return false;
    const std::optional<Compositor> compositor = askCompositor();
    if (!compositor || !preferXWayland(*compositor))
        return false;
    // Should the X server not answer after all, Qt goes on to the compositor itself.
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
    return true;
}

} // namespace orbetta::desktop
