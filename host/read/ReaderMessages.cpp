#include "ReaderMessages.h"

#include <vtkCallbackCommand.h>
#include <vtkCommand.h>
#include <vtkLogger.h>
#include <vtkObjectFactory.h>
#include <vtkOutputWindow.h>
#include <vtkSmartPointer.h>

namespace zorhost {

namespace {

ReaderMessages* listening = nullptr;

// VTK's output window, keeping errors and dropping everything else.
class KeptMessages : public vtkOutputWindow {
public:
    static KeptMessages* New();
    vtkTypeMacro(KeptMessages, vtkOutputWindow)

        void DisplayText(const char*) override
    {
    }
    void DisplayErrorText(const char* text) override
    {
        if (listening != nullptr && text != nullptr)
            listening->heard(text);
    }
    void DisplayWarningText(const char*) override {}
    void DisplayGenericWarningText(const char*) override {}
    void DisplayDebugText(const char*) override {}
};

vtkStandardNewMacro(KeptMessages);

void onError(vtkObject*, unsigned long, void* messages, void* text)
{
    if (text != nullptr)
        static_cast<ReaderMessages*>(messages)->heard(static_cast<const char*>(text));
}

// "ERROR: In /build/.../vtkXMLReader.cxx, line 123\nvtkXMLReader (0x55d0): Error parsing\n\n"
// becomes "Error parsing".
std::string plain(const std::string& text)
{
    std::string message = text;
    const std::size_t object = message.find("): ");
    if (object != std::string::npos)
        message.erase(0, object + 3);
    for (char& c : message)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    const std::size_t last = message.find_last_not_of(' ');
    message.erase(last == std::string::npos ? 0 : last + 1);
    return message;
}

}  // namespace

ReaderMessages::ReaderMessages()
{
    listening = this;
    vtkOutputWindow::SetInstance(vtkSmartPointer<KeptMessages>::New());
    // VTK's log repeats errors on the error stream; the output window has them.
    vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_OFF);
}

ReaderMessages::~ReaderMessages()
{
    listening = nullptr;
}

void ReaderMessages::watch(vtkObject* object)
{
    auto command = vtkSmartPointer<vtkCallbackCommand>::New();
    command->SetCallback(onError);
    command->SetClientData(this);
    object->AddObserver(vtkCommand::ErrorEvent, command);
}

void ReaderMessages::heard(const std::string& text)
{
    if (firstError_.empty())
        firstError_ = plain(text);
    if (firstError_.empty())
        firstError_ = "the reader reported an error without a text";
}

void ReaderMessages::refuseOnError(const std::string& what) const
{
    if (hasError())
        throw ReadRefusal(what + ": " + firstError_);
}

}  // namespace zorhost
