#pragma once

#include <memory>

namespace platform {

// A window that exists once: the first reference creates it and then runs its load handler,
// which may itself refer to the window.
template <class Window>
class SingleInstance {
  public:
    static Window& get() {
        if (!instance_) {
            instance_ = std::make_unique<Window>();
            if constexpr (requires(Window & w) { w.Form_Load(); }) instance_->Form_Load();
        }
        return *instance_;
    }
    // Without creating it.
    static bool exists() { return instance_ != nullptr; }
    // Destroys the window; a later reference creates a fresh one.
    static void unload() { instance_.reset(); }

  private:
    static inline std::unique_ptr<Window> instance_;
};

}  // namespace platform
