#pragma once
// Written by tools/gen_java_tables.py together with data/jobj.tsh and data/jpack.tsh:
// for each position of the Java class table, the package-table positions of the
// packages that declare the class, -1 where there are fewer.
#include <array>

constexpr int javaClassTableCount = 1845;
constexpr int javaPackageTableCount = 65;
constexpr int javaPackagesPerClass = 4;

extern const std::array<short, javaPackagesPerClass> javaClassPackages[javaClassTableCount];
