#pragma once
// Finds a window's control by its object name, the way a user finds it by
// its caption, so tests do not reach into a window's members.
#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <stdexcept>
#include <string>

namespace pc::test {

// The child of that name and type; the test fails (and stops) without one.
template <class T>
T* named(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        ADD_FAILURE() << parent.objectName().toStdString() << " has no " << name;
        throw std::runtime_error(std::string("no control ") + name);
    }
    return child;
}

template <class T>
T* named(const QObject* parent, const char* name) {
    return named<T>(*parent, name);
}

template <class T, class Owner>
T* named(const std::unique_ptr<Owner>& parent, const char* name) {
    return named<T>(*parent, name);
}

}  // namespace pc::test
