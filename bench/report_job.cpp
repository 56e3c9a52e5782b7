// Makes the job that the report benchmark reads: in the directory given, the job record of
// COUNT entries of FUNCTION (a command of the command line) with the journal on, written by
// the program's own writer, and a journal whose run stopped after PASSED entries.
// Usage: stapelwerk_report_job DIRECTORY FUNCTION COUNT PASSED

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/job_record.h"
#include "core/journal_format.h"
#include "platform/paths.h"
#include "platform/text_file.h"

int main(int argc, char* argv[]) {
    using namespace stapelwerk;
    if (argc != 5) {
        std::fputs("usage: stapelwerk_report_job DIRECTORY FUNCTION COUNT PASSED\n", stderr);
        return 2;
    }
    const std::string directory = argv[1];
    const std::string command = argv[2];
    const std::size_t count = std::stoul(argv[3]);
    const std::size_t passed = std::stoul(argv[4]);
    JobRecordHead head{.runId = "BENCH001",
                       .written = std::chrono::time_point_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now()),
                       .chain = "+;%bb;%00;",
                       .parameterName = "MATERIAL",
                       .journal = true};
    for (const FunctionRow& row : kFunctionTable) {
        if (row.command == command) head.function = row.function;
    }
    // Names as a PDM export has them, each found in the working directory.
    std::vector<std::string> entries;
    std::vector<std::string> values;
    for (std::size_t i = 0; i < count; ++i) {
        entries.push_back("teil" + std::to_string(1000000 + i) + ".prt");
        values.push_back(std::string("S").append(std::to_string(i % 1000)));
    }
    const Result<> record = replaceFile(jobRecordPath(directory), [&](ByteSink& sink) {
        writeJobRecord(sink, head, entries, values, [&entries](std::size_t entry) {
            std::string file = entries[entry];
            return file.append(".3");
        });
    });
    const Result<> journal =
        replaceFile(joinFileName(directory, std::string(journal::kFileName)), [&](ByteSink& sink) {
            sink.write("BENCH001 start\r\n");
            for (std::size_t i = 1; i <= passed; ++i) {
                sink.write("BENCH001 " + std::to_string(i) + "\r\n");
            }
        });
    return record && journal ? 0 : 1;
}
