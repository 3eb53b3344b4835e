// A folder holding another library under zuntab's file name, for the tests
// that name it in LD_LIBRARY_PATH: a library opened by its bare name would
// be taken from there.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "host/program_folder.h"

namespace kz::test {

class ImpostorZuntabFolder {
public:
    ImpostorZuntabFolder()
    {
        EXPECT_TRUE(folder_.isValid());
        EXPECT_TRUE(QFile::copy(AppDir() + "libkz_impostor_zuntab.so", folder_.filePath("libzuntab.so")));
    }
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

}  // namespace kz::test
