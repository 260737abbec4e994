// A form whose design the test supplies, counting its lifecycle calls.
#pragma once

#include <functional>
#include <vector>

#include "forms/forms.h"

namespace qv::test {

class TestForm : public Form {
  public:
    explicit TestForm(const QString& name = QStringLiteral("frmTest")) : Form(name) {}
    ~TestForm() override = default;

    std::function<void(TestForm&)> design;
    std::function<void(TestForm&)> onLoad;
    std::function<void(TestForm&)> onUnload;
    int designs = 0, loads = 0, unloads = 0, drops = 0;
    int cancelUnload = 0;
    std::vector<int> unloadModes;

    template <class T>
    T* add(const QString& name, Control* container = nullptr, int index = -1) {
        return Add<T>(name, container, index);
    }
    template <class T>
    T* addTo(ControlArray<T>& array, const QString& name, int index, Control* container = nullptr) {
        return AddTo(array, name, index, container);
    }

  protected:
    void Design() override {
        ++designs;
        Move(10, 10, 320, 240);
        if (design)
            design(*this);
    }
    void Form_Load() override {
        ++loads;
        if (onLoad)
            onLoad(*this);
    }
    void Form_QueryUnload(int& cancel, int unloadMode) override {
        unloadModes.push_back(unloadMode);
        cancel = cancelUnload;
    }
    void Form_Unload() override {
        ++unloads;
        if (onUnload)
            onUnload(*this);
    }
    void Dropped() override { ++drops; }
};

}  // namespace qv::test
