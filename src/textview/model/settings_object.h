#pragma once
// The view groups its settings in small owned objects; each setter stores a changed value and calls
// the object's one change callback (a setter given the current value does nothing).

#include <functional>
#include <utility>

namespace veyrin {

class TSynSettingsObject {
public:
    using ChangeCallback = std::function<void()>;

    void setOnChange(ChangeCallback callback) { onChange_ = std::move(callback); }

protected:
    template <typename T>
    void store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        changed();
    }
    void changed() {
        if (onChange_) onChange_();
    }

private:
    ChangeCallback onChange_;
};

}  // namespace veyrin
