#include "strtab.h"

#include <QCoreApplication>
#include <QLatin1String>

#include <cstddef>
#include <iterator>

namespace StrTable {

const char* stab[NUM_STRING_IDS];
const char* ktab[NUM_STRING_IDS];

namespace {

struct Row {
    StringID id;
    const char* key;
    const char* text;
};

// The key is spelled from the enumerator itself, so key and identifier cannot
// drift apart; the order is checked below.
#define ROW(key, text) \
    { key, #key, text }

// Rows with the same English text share one translation; keep such texts
// identical character for character.
constexpr Row kRows[] = {
    ROW(main_desc_last_upload, "Last backup: %1"),
    ROW(setting_filter_point_prefix, "Skip files and folders whose names start with a dot"),
    ROW(msg_checkpass, "Please check your user name and password."),
    ROW(app_name, "Nimbra Backup"),
    ROW(err_autoconn_invalidid, "The Quintlink ID is invalid or does not exist."),
    ROW(wizard_invalid_sync_folder_warning,
        "The selected backup folder is invalid. Please choose another folder."),
    ROW(wizard_connection_desc, "Enter the address of your server and the account to back up to."),
    ROW(connection_username, "User name"),
    ROW(err_sync_direction_mismatch,
        "The backup task on the server does not match the direction of this task."),
    ROW(connection_enter_otp, "Enter 6-digit code"),
    ROW(msg_share_quotafull, "The quota of the destination shared folder has been reached."),
    ROW(err_ssl_verify_fail, "The server's SSL certificate could not be verified."),
    ROW(setting_tab_connection, "Connection"),
    ROW(btn_proxy, "Proxy"),
    ROW(btn_done, "Done"),
    ROW(tray_exit, "Exit"),
    ROW(backup_chooser_desc, "Choose the folders on this computer that you want to back up."),
    ROW(main_queue_completed, "Completed"),
    ROW(err_sv_change, "The server has been replaced or reset. Please link this computer again."),
    ROW(err_local_sync_folder_miss, "A local folder of the backup task cannot be found."),
    ROW(connection_server, "Server name or IP address"),
    ROW(wizard_welcome_help, "Need help? Visit the online help center."),
    ROW(btn_wizard_readonly_yes, "OK"),
    ROW(err_database, "The local database is damaged or cannot be opened."),
    ROW(wizard_welcome_slogan, "Keep your files safe, automatically."),
    ROW(setting_option_use_black_white_icon, "Use a monochrome tray icon"),
    ROW(err_share_not_mounted, "The destination shared folder is encrypted and not mounted."),
    ROW(main_queue_column_progress, "Progress"),
    ROW(tray_main_app, "Open Nimbra Backup"),
    ROW(err_proto, "The server sent an unexpected response."),
    ROW(err_syncfolder_not_mounted, "The local backup folder is on a drive that is not mounted."),
    ROW(btn_unlink, "Unlink"),
    ROW(err_diskfull, "The destination does not have enough free space."),
    ROW(err_user_home_disabled, "The home folder service is disabled on the server."),
    ROW(main_status_uptodate, "Up to date"),
    ROW(wizard_diskfull_sync_folder_warning,
        "There is not enough free space on the destination for this backup folder."),
    ROW(msg_about, "Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved."),
    ROW(err_backup_fail, "The backup could not be completed."),
    ROW(wizard_summary_table_path, "Path"),
    ROW(setting_proxy_manual, "Manual proxy configuration"),
    ROW(wizard_summary_table_remote_title, "Destination"),
    ROW(err_otp_required, "This account requires a verification code."),
    ROW(connection_unlink_confirm, "Unlink this computer from %1? Its backup tasks will stop."),
    ROW(btn_resume, "Resume"),
    ROW(setting_proxy_password, "Password"),
    ROW(desc_nmbr_env_preparing, "Nimbra Backup is initializing..."),
    ROW(backup_chooser_no_folder_selected, "No folder selected."),
    ROW(setting_proxy_sys_proxy, "Use the system proxy settings"),
    ROW(btn_wizard_readonly_no, "No"),
    ROW(setting_tab_folder, "Local folder"),
    ROW(main_queue_column_file, "File"),
    ROW(setting_proxy_err_empty_username, "Please enter a user name for the proxy server."),
    ROW(setting_tab_filter, "Filter"),
    ROW(msg_ssl_change,
        "The server's SSL certificate has changed. Do you want to trust the new certificate?"),
    ROW(connection_unlinking, "Unlinking..."),
    ROW(connection_ssl, "Use SSL encryption"),
    ROW(version, "Version %1"),
    ROW(main_queue_title, "Recent activity"),
    ROW(btn_pause, "Pause"),
    ROW(wizard_source_readonly_warning,
        "The source folder is read-only. Files can be backed up but not restored into it."),
    ROW(read_only_tooltip, "You have read-only access to this folder."),
    ROW(msg_error, "Error"),
    ROW(main_status_pause, "Paused"),
    ROW(tray_upgrade, "Upgrade"),
    ROW(setting_option_language_restart,
        "The new language takes effect after Nimbra Backup restarts."),
    ROW(setting_proxy_err_invalid_port, "Please enter a port number between 1 and 65535."),
    ROW(main_queue_uploading, "Uploading"),
    ROW(wizard_ssl_change_sync_folder_warning,
        "The server's SSL certificate has changed since the last connection."),
    ROW(err_ip_not_allowed, "The server does not accept connections from this IP address."),
    ROW(connection_password, "Password"),
    ROW(backup_chooser_destination, "Destination"),
    ROW(msg_test_connect, "Testing connection..."),
    ROW(msg_ssl_error, "A secure connection to the server could not be established."),
    ROW(btn_no_need, "Not now"),
    ROW(setting_proxy_port, "Port"),
    ROW(wizard_connection_title, "Connect to your server"),
    ROW(err_otp_invalid, "The verification code is incorrect."),
    ROW(btn_select, "Select"),
    ROW(wizard_share_name_duplicate_warning,
        "A shared folder with this name already exists on the server."),
    ROW(wizard_welcome_info, "This wizard helps you set up your first backup task."),
    ROW(main_status_connecting, "Connecting..."),
    ROW(share_enabled, "Enabled"),
    ROW(tray_about, "About"),
    ROW(wizard_access_deny_sync_folder_warning,
        "You do not have permission to access the destination folder."),
    ROW(err_quotafull, "Your storage quota on the server has been reached."),
    ROW(setting_filter_table_editor_tooltip, "Double-click to edit the file extension."),
    ROW(btn_continue, "Continue"),
    ROW(setting_filter_max_size, "Maximum file size (MB)"),
    ROW(main_status_syncing, "Backing up..."),
    ROW(wizard_quotafull_sync_folder_warning,
        "Your storage quota is too small for this backup folder."),
    ROW(err_max_tries, "Too many failed sign-in attempts. Please try again later."),
    ROW(setting_filter_zero_desc, "0 means no limit"),
    ROW(err_abnormal, "An unexpected error occurred."),
    ROW(err_init_failed, "Nimbra Backup failed to initialize."),
    ROW(err_sv_not_match, "The server does not match the one this task was created on."),
    ROW(treedialog_server_desc, "Choose a destination folder on the server."),
    ROW(msg_test_username_fail, "The user name or password is incorrect."),
    ROW(setting_option_language_title, "Language"),
    ROW(setting_option_language_default, "System default"),
    ROW(btn_ssl_continue, "Trust and continue"),
    ROW(wizard_summary_table_local_title, "Local folder"),
    ROW(wizard_setsyncfolder_desc,
        "Choose the local folders to back up and where to store them on the server."),
    ROW(err_otp_enforced, "This account must use two-step verification. Please enable it first."),
    ROW(btn_next, "Next"),
    ROW(btn_apply, "Apply"),
    ROW(setting_proxy_err_ipport_empty, "Please enter the proxy server address and port."),
    ROW(wizard_user_disable_sync_folder_warning, "This account is disabled on the server."),
    ROW(wizard_conflict_backup_warning,
        "Another backup task already uses this destination folder."),
    ROW(err_no_valid_folder, "There is no valid folder to back up."),
    ROW(main_queue_locking, "Waiting for the file to be unlocked"),
    ROW(setting_proxy_no_proxy, "No proxy"),
    ROW(tray_help, "Help"),
    ROW(err_version_server,
        "The server version is too old for this client. Please update the server."),
    ROW(treedialog_pc_title, "Select folders on this computer"),
    ROW(setting_filter_size_limit_tooltip,
        "Specify the file size between 0-10240000 MB, with 0 MB being unlimited."),
    ROW(btn_ok, "OK"),
    ROW(setting_filter_ignore_local_delete,
        "Keep files on the server when they are deleted on this computer"),
    ROW(err_network, "The network connection was lost. Please check your network settings."),
    ROW(main_queue_column_status, "Status"),
    ROW(wizard_ssl_verify_fail_sync_folder_warning,
        "The server's SSL certificate could not be verified."),
    ROW(backup_chooser_choose_source, "Choose source folders"),
    ROW(wizard_readonly_backup_desc,
        "Read-only folders are backed up, but changes on the server are not written back to them."),
    ROW(setting_proxy_ip, "Address"),
    ROW(title_ssl_warning, "Security warning"),
    ROW(setting_tab_proxy, "Proxy"),
    ROW(main_queue_waiting, "Waiting"),
    ROW(msg_download_downloading, "Downloading %1..."),
    ROW(wizard_welcome_desc, "Back up the folders on this computer to your server in a few steps."),
    ROW(setting_proxy_username, "Proxy user name"),
    ROW(connection_use_quintlink, "Connect via Quintlink"),
    ROW(wizard_summary_table_account, "Account"),
    ROW(wizard_client_upgrade, "Upgrade"),
    ROW(wizard_system_err_sync_folder_warning, "A system error occurred. Please try again later."),
    ROW(wizard_share_nonexist_sync_folder_warning,
        "The destination shared folder %1 no longer exists."),
    ROW(wizard_client_upgrade_failed, "%1 upgrade failed (error code: %2)."),
    ROW(wizard_summary_title, "Summary"),
    ROW(main_queue_preparing, "Preparing"),
    ROW(setting_tab_option, "General"),
    ROW(wizard_readonly_sync_folder_warning,
        "The destination folder is read-only. Please choose another folder."),
    ROW(main_status_error, "Backup error"),
    ROW(tray_click_to_update, "A new version is available. Click to update."),
    ROW(read_only, "Read-only"),
    ROW(err_autoconn_ctrl, "The Quintlink relay server could not be reached."),
    ROW(wizard_conflict_sync_folder_warning,
        "This local folder is already part of another backup task."),
    ROW(btn_advanced, "Advanced"),
    ROW(main_desc_processing_count, "%1 files to process"),
    ROW(wizard_summary_table_except_path, "Excluded folders"),
    ROW(err_share_perm, "You do not have permission to write to the destination shared folder."),
    ROW(setting_filter_table_desc, "Files with these extensions are not backed up:"),
    ROW(err_auth, "Authentication failed."),
    ROW(btn_settings, "Settings"),
    ROW(upgrade_failed, "The upgrade failed."),
    ROW(local_sv_search, "Searching for servers on the local network..."),
    ROW(btn_back, "Back"),
    ROW(main_queue_progress, "%1 / %2"),
    ROW(btn_start_now, "Start now"),
    ROW(main_desc_processing_file, "Processing %1"),
    ROW(setting_proxy_auth, "The proxy server requires authentication"),
    ROW(wizard_summary_table_server, "Server"),
    ROW(wizard_setsyncfolder_title, "Select backup folders"),
    ROW(err_invalid, "A system error occurred. Please try again later."),
    ROW(msg_download_done, "Completed"),
    ROW(err_ssl_change, "The server's SSL certificate has changed since the last connection."),
    ROW(err_create_session_fail, "Could not create a session on the server."),
    ROW(desc_nmbr_env_preparation_done, "Nimbra Backup is ready."),
    ROW(btn_cancel, "Cancel"),
    ROW(err_version_client,
        "This client version is too old for the server. Please upgrade Nimbra Backup."),
    ROW(setting_filter_table_title, "Excluded file extensions"),
    ROW(manage_setting_applying, "Applying settings..."),
    ROW(tray_updating, "Updating..."),
    ROW(wizard_find_local_sv_tooltip, "Find servers on the local network"),
    ROW(setting_option_start_upon_login, "Start Nimbra Backup when I log in"),
    ROW(wizard_summary_desc, "Please review the settings below before finishing."),
    ROW(wizard_network_err_sync_folder_warning,
        "The network connection was lost. Please check your network settings."),
};

#undef ROW

constexpr bool RowsAreInIdentifierOrder() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) return false;
    }
    return true;
}

static_assert(std::size(kRows) == NUM_STRING_IDS, "one row per identifier");
static_assert(RowsAreInIdentifierOrder(), "rows must follow the identifiers");

}  // namespace

void InitStrTable() {
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        stab[i] = kRows[i].text;
        ktab[i] = kRows[i].key;
    }
}

QString LoadStr(int id) {
    // An identifier out of range is a caller's mistake; an empty text is the
    // harmless answer.
    if (id < 0 || id >= NUM_STRING_IDS || stab[id] == nullptr) return QString();
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    // Translators write line breaks and tabs as escapes.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

int LookupStrID(QString strKey) {
    const QByteArray key = strKey.toLocal8Bit();
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        if (ktab[i] != nullptr && qstricmp(key.constData(), ktab[i]) == 0) return i;
    }
    return -1;
}

}  // namespace StrTable
