#include "StepSources.h"

#include <vtkAlgorithm.h>
#include <vtkCGNSReader.h>
#include <vtkCallbackCommand.h>
#include <vtkCommand.h>
#include <vtkCompositeDataIterator.h>
#include <vtkCompositeDataSet.h>
#include <vtkGLTFReader.h>
#include <vtkGenericDataObjectReader.h>
#include <vtkInformation.h>
#include <vtkInformationDoubleVectorKey.h>
#include <vtkMultiBlockPLOT3DReader.h>
#include <vtkOBJReader.h>
#include <vtkPLYReader.h>
#include <vtkPlot3DMetaReader.h>
#include <vtkSTLReader.h>
#include <vtkStreamingDemandDrivenPipeline.h>
#include <vtkXMLDataElement.h>
#include <vtkXMLDataParser.h>
#include <vtkXMLGenericDataObjectReader.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>

#include "ReaderMessages.h"

namespace zorhost {

namespace {

void collectZones(vtkDataObject* data, std::vector<vtkSmartPointer<vtkDataSet>>& zones)
{
    if (auto* set = vtkDataSet::SafeDownCast(data)) {
        zones.emplace_back(set);
        return;
    }
    auto* composite = vtkCompositeDataSet::SafeDownCast(data);
    if (composite == nullptr)
        return;
    vtkSmartPointer<vtkCompositeDataIterator> it;
    it.TakeReference(composite->NewIterator());
    it->SkipEmptyNodesOff();
    for (it->InitTraversal(); !it->IsDoneWithTraversal(); it->GoToNextItem())
        zones.emplace_back(vtkDataSet::SafeDownCast(it->GetCurrentDataObject()));
}

void onProgress(vtkObject*, unsigned long, void* progress, void* fraction)
{
    if (fraction != nullptr)
        (*static_cast<StepProgress*>(progress))(*static_cast<double*>(fraction));
}

void hearProgress(vtkAlgorithm* reader, StepProgress& progress)
{
    auto command = vtkSmartPointer<vtkCallbackCommand>::New();
    command->SetCallback(onProgress);
    command->SetClientData(&progress);
    reader->AddObserver(vtkCommand::ProgressEvent, command);
}

// Any reader of one file: its output at each of the times it reports.
class AlgorithmSource : public StepSource {
public:
    AlgorithmSource(vtkSmartPointer<vtkAlgorithm> reader, ReaderMessages& messages, StepProgress progress,
                    const std::function<void(vtkAlgorithm&)>& afterInformation)
        : reader_(std::move(reader)), messages_(messages), progress_(std::move(progress))
    {
        messages_.watch(reader_);
        hearProgress(reader_, progress_);
        reader_->UpdateInformation();
        messages_.refuseOnError("it cannot be opened");
        if (afterInformation)
            afterInformation(*reader_);
        vtkInformation* information = reader_->GetOutputInformation(0);
        vtkInformationDoubleVectorKey* key = vtkStreamingDemandDrivenPipeline::TIME_STEPS();
        if (information != nullptr && information->Has(key) && information->Length(key) > 1) {
            const double* steps = information->Get(key);
            times_.assign(steps, steps + information->Length(key));
        }
    }

    const std::vector<double>& times() const override { return times_; }

    std::vector<vtkSmartPointer<vtkDataSet>> read(std::size_t step) override
    {
        // The exact time the reader reported, so that it reads that step
        // rather than the one nearest a rounded time.
        if (times_.empty())
            reader_->Update();
        else
            reader_->UpdateTimeStep(times_[step]);
        messages_.refuseOnError(times_.empty() ? "it cannot be read"
                                               : "step " + std::to_string(step + 1) + " cannot be read");
        std::vector<vtkSmartPointer<vtkDataSet>> zones;
        collectZones(reader_->GetOutputDataObject(0), zones);
        return zones;
    }

private:
    vtkSmartPointer<vtkAlgorithm> reader_;
    ReaderMessages& messages_;
    StepProgress progress_;
    std::vector<double> times_;
};

// A .pvd file: a list of VTK XML files, each a part of the step at its time.
class SeriesSource : public StepSource {
public:
    SeriesSource(const std::string& path, ReaderMessages& messages, StepProgress progress)
        : messages_(messages), progress_(std::move(progress))
    {
        auto parser = vtkSmartPointer<vtkXMLDataParser>::New();
        messages_.watch(parser);
        parser->SetFileName(path.c_str());
        if (parser->Parse() == 0)
            messages_.refuseOnError("it is no series of VTK files");
        vtkXMLDataElement* root = parser->GetRootElement();
        vtkXMLDataElement* collection = root == nullptr ? nullptr : root->FindNestedElementWithName("Collection");
        if (collection == nullptr)
            throw ReadRefusal("it is no series of VTK files: it has no Collection");
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::map<double, std::vector<std::string>> files;
        for (int i = 0; i < collection->GetNumberOfNestedElements(); ++i) {
            vtkXMLDataElement* entry = collection->GetNestedElement(i);
            const char* file = entry->GetAttribute("file");
            if (std::string(entry->GetName()) != "DataSet")
                continue;
            if (file == nullptr)
                throw ReadRefusal("a DataSet of the series names no file");
            double time = 0.0;
            entry->GetScalarAttribute("timestep", time);
            files[time].push_back((folder / file).string());
        }
        if (files.empty())
            throw ReadRefusal("the series lists no files");
        for (auto& [time, parts] : files) {
            times_.push_back(time);
            steps_.push_back(std::move(parts));
        }
        if (times_.size() == 1)
            times_.clear();
    }

    const std::vector<double>& times() const override { return times_; }

    std::vector<vtkSmartPointer<vtkDataSet>> read(std::size_t step) override
    {
        std::vector<vtkSmartPointer<vtkDataSet>> zones;
        const std::vector<std::string>& parts = steps_[step];
        for (std::size_t part = 0; part < parts.size(); ++part) {
            auto reader = vtkSmartPointer<vtkXMLGenericDataObjectReader>::New();
            messages_.watch(reader);
            reader->SetFileName(parts[part].c_str());
            reader->Update();
            messages_.refuseOnError(std::filesystem::path(parts[part]).filename().string() + " cannot be read");
            collectZones(reader->GetOutput(), zones);
            progress_(static_cast<double>(part + 1) / static_cast<double>(parts.size()));
        }
        return zones;
    }

private:
    ReaderMessages& messages_;
    StepProgress progress_;
    std::vector<double> times_;
    std::vector<std::vector<std::string>> steps_;
};

// Plot3D files are either text or binary; the reader guesses the layout of
// binary files by itself.
bool isText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char bytes[512];
    in.read(bytes, sizeof bytes);
    const auto n = static_cast<std::size_t>(in.gcount());
    return n > 0 && std::all_of(bytes, bytes + n, [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return std::isprint(byte) != 0 || std::isspace(byte) != 0;
           });
}

// A text grid file begins with its number of grids on a line of its own
// when it holds several.
bool isTextMultiGrid(const std::string& path)
{
    std::ifstream in(path);
    std::string first;
    std::getline(in, first);
    std::size_t numbers = 0;
    bool inNumber = false;
    for (char c : first) {
        const bool digit = std::isspace(static_cast<unsigned char>(c)) == 0;
        numbers += digit && !inNumber ? 1 : 0;
        inNumber = digit;
    }
    return numbers == 1;
}

vtkSmartPointer<vtkAlgorithm> plot3DReader(const std::string& path)
{
    auto reader = vtkSmartPointer<vtkMultiBlockPLOT3DReader>::New();
    reader->SetXYZFileName(path.c_str());
    const std::string solution = std::filesystem::path(path).replace_extension(".q").string();
    if (std::filesystem::is_regular_file(solution))
        reader->SetQFileName(solution.c_str());
    if (isText(path)) {
        reader->SetBinaryFile(0);
        reader->SetMultiGrid(isTextMultiGrid(path) ? 1 : 0);
    } else {
        reader->AutoDetectFormatOn();
    }
    return reader;
}

template <typename Reader>
vtkSmartPointer<vtkAlgorithm> fileReader(const std::string& path)
{
    auto reader = vtkSmartPointer<Reader>::New();
    reader->SetFileName(path.c_str());
    return reader;
}

}  // namespace

std::unique_ptr<StepSource> openStepSource(const std::string& path, DataFormat format, ReaderMessages& messages,
                                           StepProgress progress)
{
    std::function<void(vtkAlgorithm&)> afterInformation;
    vtkSmartPointer<vtkAlgorithm> reader;
    switch (format) {
    case DataFormat::Cgns:
        reader = fileReader<vtkCGNSReader>(path);
        // Its arrays are known once it has read the file's information.
        afterInformation = [](vtkAlgorithm& cgns) {
            auto& cgnsReader = static_cast<vtkCGNSReader&>(cgns);
            cgnsReader.EnableAllPointArrays();
            cgnsReader.EnableAllCellArrays();
        };
        break;
    case DataFormat::VtkXml:
        reader = fileReader<vtkXMLGenericDataObjectReader>(path);
        break;
    case DataFormat::VtkSeries:
        return std::make_unique<SeriesSource>(path, messages, std::move(progress));
    case DataFormat::VtkLegacy:
        reader = fileReader<vtkGenericDataObjectReader>(path);
        break;
    case DataFormat::Plot3D:
        reader = plot3DReader(path);
        break;
    case DataFormat::Plot3DMeta:
        reader = fileReader<vtkPlot3DMetaReader>(path);
        break;
    case DataFormat::Stl:
        reader = fileReader<vtkSTLReader>(path);
        break;
    case DataFormat::Obj:
        reader = fileReader<vtkOBJReader>(path);
        break;
    case DataFormat::Ply:
        reader = fileReader<vtkPLYReader>(path);
        break;
    case DataFormat::Gltf:
        reader = fileReader<vtkGLTFReader>(path);
        break;
    }
    return std::make_unique<AlgorithmSource>(std::move(reader), messages, std::move(progress), afterInformation);
}

}  // namespace zorhost
