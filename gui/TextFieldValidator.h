// A number of type T (int, double or short) that belongs to a host text
// field: typed text is checked against a closed range, bad input is reported
// with ZorUtilDialogErrMsg, and the field always shows the kept value.
//
//   TextFieldValidator<int> width(4, 32766, 300, ZOR_NO_CONTROL);
//   width.attachTextField(fieldId);      // the field shows 300
//   width.validate("640");               // true, the value is 640
//   width.validate("1");                 // false: "Invalid input. Input must
//                                        // be a number between 4 and 32766."
//
// Numbers are shown in default stream notation (six significant digits).
// Nothing here locks the host: the caller holds the add-on lock.
#ifndef KFA_GUI_TEXT_FIELD_VALIDATOR_H
#define KFA_GUI_TEXT_FIELD_VALIDATOR_H

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>

#include "ZorGUI.h"
#include "ZorUtil.h"

template <typename T>
class TextFieldValidator {
public:
    // Both bounds set. An initial value outside them is clamped into them.
    TextFieldValidator(T lowerBound, T upperBound, T initialValue, int controlId)
        : controlId_(controlId),
          value_(initialValue),
          hasLowerBound_(true),
          hasUpperBound_(true),
          lowerBound_(lowerBound),
          upperBound_(upperBound)
    {
        value_ = clamped(initialValue);
        showValue();
    }

    // No bounds: the range is the whole type until setLowerBound narrows it.
    TextFieldValidator(T initialValue, int controlId)
        : controlId_(controlId),
          value_(initialValue),
          hasLowerBound_(false),
          hasUpperBound_(false),
          lowerBound_(std::numeric_limits<T>::lowest()),
          upperBound_(std::numeric_limits<T>::max())
    {
        showValue();
    }

    virtual ~TextFieldValidator() = default;

    // Raises the value to the bound when it lies below it.
    void setLowerBound(T bound)
    {
        lowerBound_ = bound;
        hasLowerBound_ = true;
        value_ = std::max(value_, bound);
        showValue();
    }

    void attachTextField(int controlId)
    {
        controlId_ = controlId;
        showValue();
    }

    T getValue() const { return value_; }

    // Stores the value clamped into the range and shows it.
    void setValue(T value)
    {
        value_ = clamped(value);
        showValue();
    }

    // Reads a T from the start of `text` (leading blanks skipped, the rest
    // after the number ignored) and keeps it when it lies in the range;
    // otherwise shows the error message and keeps the value. Either way the
    // field shows the kept value afterwards. True when the value was taken.
    bool validate(const std::string& text)
    {
        std::istringstream in(text);
        T read{};
        in >> read;
        const bool accepted = !in.fail() && lowerBound_ <= read && read <= upperBound_;
        if (accepted)
            value_ = read;
        else
            ZorUtilDialogErrMsg(rangeMessage().c_str());
        showValue();
        return accepted;
    }

private:
    static std::string formatted(T number)
    {
        std::ostringstream out;
        out << number;
        return out.str();
    }

    T clamped(T value) const { return std::max(std::min(value, upperBound_), lowerBound_); }

    std::string rangeMessage() const
    {
        std::string message = "Invalid input. Input must be a number";
        if (hasLowerBound_ && hasUpperBound_)
            message += " between " + formatted(lowerBound_) + " and " + formatted(upperBound_);
        else if (hasLowerBound_)
            message += " greater than or equal to " + formatted(lowerBound_);
        return message + ".";
    }

    void showValue() const
    {
        if (controlId_ != ZOR_NO_CONTROL)
            ZorGUITextFieldSetString(controlId_, formatted(value_).c_str());
    }

    int controlId_;
    T value_;
    bool hasLowerBound_;
    bool hasUpperBound_;
    T lowerBound_;
    T upperBound_;
};

#endif
