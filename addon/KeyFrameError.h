// The add-on's only exception: its message is the finished text for the
// user. Thrown by value, caught by reference.
#ifndef KFA_ADDON_KEY_FRAME_ERROR_H
#define KFA_ADDON_KEY_FRAME_ERROR_H

#include <exception>
#include <string>

class KeyFrameError : public std::exception {
public:
    explicit KeyFrameError(std::string message) : message_(std::move(message)) {}
    ~KeyFrameError() override;

    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#endif
