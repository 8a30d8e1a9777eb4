// One QApplication for every test of a Qt test executable, on the offscreen platform
// unless the caller chose another. The user's settings are never touched: the
// configuration folder is a temporary one.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        ASSERT_TRUE(m_configFolder.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configFolder.path()));
        static int argc = 1;
        static char name[] = "tavlo_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    QTemporaryDir m_configFolder;
    std::unique_ptr<QApplication> m_application;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
