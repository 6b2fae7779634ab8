// Evaluation speed of compiled expressions over a million synthetic address
// records held in memory: the filters and index keys the application uses.
// Also counts heap allocations made while evaluating (there should be none).
//
//   expression_bench [records]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "xbase/expression.h"

namespace {
size_t g_allocations = 0;
}  // namespace

void* operator new(size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

using Clock = std::chrono::steady_clock;

double ThreadCpuNanos() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

xbase::Schema BenchSchema() {
  return xbase::Schema({{"LNAME", 'C', 30, 0}, {"FNAME", 'C', 30, 0}, {"CITY", 'C', 20, 0},
                        {"STATE", 'C', 2, 0},  {"ZIP", 'C', 10, 0},   {"CODES", 'C', 10, 0},
                        {"ISDEL", 'L', 1, 0}});
}

void Put(const xbase::Schema& schema, const char* field, const std::string& value, char* record) {
  const xbase::FieldDef& f = schema.field(static_cast<size_t>(schema.FieldIndex(field)));
  std::memset(record + f.offset, ' ', f.length);
  std::memcpy(record + f.offset, value.data(), std::min<size_t>(value.size(), f.length));
}

std::vector<char> MakeRecords(const xbase::Schema& schema, uint32_t count) {
  static const char* kLast[] = {"Smith", "Johnson", "Jones", "Brown", "Abbot", "Miller", "Wilson", "Moore"};
  static const char* kFirst[] = {"James", "Mary", "John", "Patricia", "Robert", "Jennifer", "Bob"};
  static const char* kCity[] = {"Toronto", "Miami", "Boston", "Denver", "Seattle", "Austin"};
  std::mt19937 rng(42);
  size_t length = schema.record_length();
  std::vector<char> records(length * count, ' ');
  for (uint32_t i = 0; i < count; ++i) {
    char* r = &records[i * length];
    r[0] = i % 50 == 0 ? '*' : ' ';
    Put(schema, "LNAME", std::string(kLast[rng() % 8]) + std::to_string(rng() % 100), r);
    Put(schema, "FNAME", kFirst[rng() % 7], r);
    Put(schema, "CITY", kCity[rng() % 6], r);
    Put(schema, "STATE", "fl", r);
    Put(schema, "ZIP", std::to_string(10000 + rng() % 90000), r);
    std::string codes;
    for (char c = 'a'; c <= 'f'; ++c) {
      if (rng() % 3 == 0) codes += c;
    }
    Put(schema, "CODES", codes, r);
    Put(schema, "ISDEL", i % 7 == 0 ? "T" : "F", r);
  }
  return records;
}

void Run(const char* text, bool as_key, const xbase::Schema& schema, const std::vector<char>& records,
         uint32_t count) {
  std::unique_ptr<xbase::Expression> e;
  xbase::Status s = xbase::Expression::Compile(text, schema, &e);
  if (!s.ok()) {
    std::fprintf(stderr, "%s: %s\n", text, s.ToString().c_str());
    std::exit(1);
  }
  size_t length = schema.record_length();
  char key[256];
  size_t matches = 0;
  size_t allocations_before = g_allocations;
  // Best of three passes, in wall-clock time and in this thread's CPU time
  // (which leaves out time lost to other programs on a shared machine).
  double ns = 1e300;
  double cpu_ns = 1e300;
  for (int pass = 0; pass < 3; ++pass) {
    matches = 0;
    auto start = Clock::now();
    double cpu_start = ThreadCpuNanos();
    for (uint32_t i = 0; i < count; ++i) {
      xbase::RecordRef ref{&records[i * length], i + 1, false};
      if (as_key) {
        e->EvaluateKey(ref, key);
        matches += static_cast<unsigned char>(key[0]);
      } else {
        matches += e->EvaluateLogical(ref);
      }
    }
    ns = std::min(ns, std::chrono::duration<double, std::nano>(Clock::now() - start).count() / count);
    cpu_ns = std::min(cpu_ns, (ThreadCpuNanos() - cpu_start) / count);
  }
  std::printf("%-4s %-62s %6.1f ns/record (cpu %5.1f)  %zu allocations  (%zu)\n", as_key ? "key" : "for",
              text, ns, cpu_ns, g_allocations - allocations_before, matches);
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t count = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1000000;
  if (count == 0) count = 1;
  xbase::Schema schema = BenchSchema();
  std::vector<char> records = MakeRecords(schema, count);
  std::printf("%u records of %u bytes\n", count, schema.record_length());
  const char* filters[] = {
      "UPPER(LNAME)=\"SMITH1\" .AND. !ISDEL",
      "UPPER(LNAME)=\"JO\"",
      "\"A\"$UPPER(CODES)",
      "UPPER(ZIP)>=\"90000\"",
      "(!(UPPER(LNAME)=\"A\"))",
      "Recno()=123",
      "((\"A\"$UPPER(CODES)).and..not.(\"B\"$UPPER(CODES)))",
      "((UPPER(CITY+STATE)=\"TORONTO\").or.(UPPER(CITY+STATE)=\"MIAMI\"))",
      "not DELETED()",
  };
  for (const char* f : filters) Run(f, false, schema, records, count);
  const char* keys[] = {
      "UPPER(LNAME)+UPPER(FNAME)", "UPPER(LNAME-FNAME)", "UPPER(CITY+STATE)", "UPPER(STATE-ZIP)",
      "DELETED()", "ISDEL", "!ISDEL",
  };
  for (const char* k : keys) Run(k, true, schema, records, count);
  return 0;
}
