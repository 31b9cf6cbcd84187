#pragma once

#include <QTest>

#include <array>

// A data table's columns in one call, `Columns<QString, int>({"text", "count"})`, and each of its
// rows in one, `Row("tag", text, count)`.
template <typename... T> void Columns(const std::array<const char *, sizeof...(T)> &names)
{
    int k = 0;
    (QTest::addColumn<T>(names[k++]), ...);
}

template <typename... T> void Row(const char *tag, const T &...values)
{
    (QTest::newRow(tag) << ... << values);
}
