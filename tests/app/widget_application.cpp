#include "widget_application.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class WidgetEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "test_app";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const kWidgetEnvironment =
    testing::AddGlobalTestEnvironment(new WidgetEnvironment);

} // namespace

QApplication& WidgetApplication() {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application) {
        ADD_FAILURE() << "the widget tests need a QApplication";
        std::abort();
    }
    return *application;
}
