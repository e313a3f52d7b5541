#pragma once

class BenchTable;
struct BenchOptions;

// Each measures one figure and adds its rows and notes to the table.
void measureStartup(const BenchOptions& options, BenchTable& table);
void measureProtocol(const BenchOptions& options, BenchTable& table);
void measureDetection(const BenchOptions& options, BenchTable& table);
void measureFile(BenchTable& table);
void measureMemory(const BenchOptions& options, BenchTable& table);
void measureHidraw(const BenchOptions& options, BenchTable& table);
