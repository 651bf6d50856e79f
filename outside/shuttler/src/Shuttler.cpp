#include <outside/Shuttler.h>

#include "UnitEmulator.h"

using shuttler::TransferKind;
using shuttler::UnitEmulator;

int CShuttler::Initialize(platform::MessageTarget* target, int log) {
    return UnitEmulator::instance().initialize(target, log);
}

void CShuttler::Release() { UnitEmulator::instance().release(); }

void CShuttler::SetUnitFolder(const std::string& folder) {
    UnitEmulator::instance().setUnitFolder(folder);
}

std::string CShuttler::UnitFolder() { return UnitEmulator::instance().unitFolder(); }

int CShuttler::GetUsbStatus() { return UnitEmulator::instance().connected() ? 1 : 0; }

int CShuttler::SetPath(const char* workFolder) {
    UnitEmulator::instance().setWorkFolder(workFolder);
    return 1;
}

int CShuttler::TransMusicToNavi() { return UnitEmulator::instance().start(TransferKind::MusicToNavi); }

int CShuttler::TransMyDBToNavi() { return UnitEmulator::instance().start(TransferKind::MyDbToNavi); }

int CShuttler::TransMapToNavi() { return UnitEmulator::instance().start(TransferKind::MapToNavi); }

int CShuttler::TransMapToPc() { return UnitEmulator::instance().start(TransferKind::MapToPc); }

void CShuttler::TransStop() { UnitEmulator::instance().stop(); }

void CShuttler::InjectFaults(const ShuttlerFaults& faults) {
    UnitEmulator::instance().injectFaults(faults);
}

const char* CShuttler::GetErrorString(unsigned code) {
    switch (code) {
    case kOk:
        return nullptr;
    case kNotConnected:
        return "ナビゲーションが接続されていません。";
    case kNoSource:
        return "転送するデータが見つかりません。";
    case kReadFailed:
        return "転送元のファイルが読み込めません。";
    case kWriteFailed:
        return "転送先にファイルを書き込めません。";
    case kStopped:
        return "転送を中止しました。";
    case kUnitFull:
        return "転送先のディスクに空きがありません。";
    case kNoUnitData:
        return "ナビゲーションに登録地点データがありません。";
    case kBusy:
        return "ナビゲーションが使用中です。しばらくしてからもう一度お試しください。";
    case kNotInitialized:
        return "ＵＳＢデバイスが初期化されていません。";
    case kPathTooLong:
        return "作業フォルダのパスが長すぎます。";
    default:
        return "転送中にエラーが発生しました。";
    }
}

int ShuttlerGetMessage(ShuttlerMsg* msg) {
    if (!msg) return 0;
    return UnitEmulator::instance().take(*msg) ? 1 : 0;
}
