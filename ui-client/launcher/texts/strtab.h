// StrTable: the client's built-in user-interface texts, by identifier, in the
// user's language. Each row's English text is also the source text under
// which the installed translation is looked up, in the context "global".
#ifndef NIMBRA_LAUNCHER_TEXTS_STRTAB_H
#define NIMBRA_LAUNCHER_TEXTS_STRTAB_H

#include <QString>

namespace StrTable {

// Row identifiers; each enumerator is spelled like the row's key.
enum StringID {
    main_desc_last_upload,                       // 0
    setting_filter_point_prefix,                 // 1
    msg_checkpass,                               // 2
    app_name,                                    // 3
    err_autoconn_invalidid,                      // 4
    wizard_invalid_sync_folder_warning,          // 5
    wizard_connection_desc,                      // 6
    connection_username,                         // 7
    err_sync_direction_mismatch,                 // 8
    connection_enter_otp,                        // 9
    msg_share_quotafull,                         // 10
    err_ssl_verify_fail,                         // 11
    setting_tab_connection,                      // 12
    btn_proxy,                                   // 13
    btn_done,                                    // 14
    tray_exit,                                   // 15
    backup_chooser_desc,                         // 16
    main_queue_completed,                        // 17
    err_sv_change,                               // 18
    err_local_sync_folder_miss,                  // 19
    connection_server,                           // 20
    wizard_welcome_help,                         // 21
    btn_wizard_readonly_yes,                     // 22
    err_database,                                // 23
    wizard_welcome_slogan,                       // 24
    setting_option_use_black_white_icon,         // 25
    err_share_not_mounted,                       // 26
    main_queue_column_progress,                  // 27
    tray_main_app,                               // 28
    err_proto,                                   // 29
    err_syncfolder_not_mounted,                  // 30
    btn_unlink,                                  // 31
    err_diskfull,                                // 32
    err_user_home_disabled,                      // 33
    main_status_uptodate,                        // 34
    wizard_diskfull_sync_folder_warning,         // 35
    msg_about,                                   // 36
    err_backup_fail,                             // 37
    wizard_summary_table_path,                   // 38
    setting_proxy_manual,                        // 39
    wizard_summary_table_remote_title,           // 40
    err_otp_required,                            // 41
    connection_unlink_confirm,                   // 42
    btn_resume,                                  // 43
    setting_proxy_password,                      // 44
    desc_nmbr_env_preparing,                     // 45
    backup_chooser_no_folder_selected,           // 46
    setting_proxy_sys_proxy,                     // 47
    btn_wizard_readonly_no,                      // 48
    setting_tab_folder,                          // 49
    main_queue_column_file,                      // 50
    setting_proxy_err_empty_username,            // 51
    setting_tab_filter,                          // 52
    msg_ssl_change,                              // 53
    connection_unlinking,                        // 54
    connection_ssl,                              // 55
    version,                                     // 56
    main_queue_title,                            // 57
    btn_pause,                                   // 58
    wizard_source_readonly_warning,              // 59
    read_only_tooltip,                           // 60
    msg_error,                                   // 61
    main_status_pause,                           // 62
    tray_upgrade,                                // 63
    setting_option_language_restart,             // 64
    setting_proxy_err_invalid_port,              // 65
    main_queue_uploading,                        // 66
    wizard_ssl_change_sync_folder_warning,       // 67
    err_ip_not_allowed,                          // 68
    connection_password,                         // 69
    backup_chooser_destination,                  // 70
    msg_test_connect,                            // 71
    msg_ssl_error,                               // 72
    btn_no_need,                                 // 73
    setting_proxy_port,                          // 74
    wizard_connection_title,                     // 75
    err_otp_invalid,                             // 76
    btn_select,                                  // 77
    wizard_share_name_duplicate_warning,         // 78
    wizard_welcome_info,                         // 79
    main_status_connecting,                      // 80
    share_enabled,                               // 81
    tray_about,                                  // 82
    wizard_access_deny_sync_folder_warning,      // 83
    err_quotafull,                               // 84
    setting_filter_table_editor_tooltip,         // 85
    btn_continue,                                // 86
    setting_filter_max_size,                     // 87
    main_status_syncing,                         // 88
    wizard_quotafull_sync_folder_warning,        // 89
    err_max_tries,                               // 90
    setting_filter_zero_desc,                    // 91
    err_abnormal,                                // 92
    err_init_failed,                             // 93
    err_sv_not_match,                            // 94
    treedialog_server_desc,                      // 95
    msg_test_username_fail,                      // 96
    setting_option_language_title,               // 97
    setting_option_language_default,             // 98
    btn_ssl_continue,                            // 99
    wizard_summary_table_local_title,            // 100
    wizard_setsyncfolder_desc,                   // 101
    err_otp_enforced,                            // 102
    btn_next,                                    // 103
    btn_apply,                                   // 104
    setting_proxy_err_ipport_empty,              // 105
    wizard_user_disable_sync_folder_warning,     // 106
    wizard_conflict_backup_warning,              // 107
    err_no_valid_folder,                         // 108
    main_queue_locking,                          // 109
    setting_proxy_no_proxy,                      // 110
    tray_help,                                   // 111
    err_version_server,                          // 112
    treedialog_pc_title,                         // 113
    setting_filter_size_limit_tooltip,           // 114
    btn_ok,                                      // 115
    setting_filter_ignore_local_delete,          // 116
    err_network,                                 // 117
    main_queue_column_status,                    // 118
    wizard_ssl_verify_fail_sync_folder_warning,  // 119
    backup_chooser_choose_source,                // 120
    wizard_readonly_backup_desc,                 // 121
    setting_proxy_ip,                            // 122
    title_ssl_warning,                           // 123
    setting_tab_proxy,                           // 124
    main_queue_waiting,                          // 125
    msg_download_downloading,                    // 126
    wizard_welcome_desc,                         // 127
    setting_proxy_username,                      // 128
    connection_use_quintlink,                    // 129
    wizard_summary_table_account,                // 130
    wizard_client_upgrade,                       // 131
    wizard_system_err_sync_folder_warning,       // 132
    wizard_share_nonexist_sync_folder_warning,   // 133
    wizard_client_upgrade_failed,                // 134
    wizard_summary_title,                        // 135
    main_queue_preparing,                        // 136
    setting_tab_option,                          // 137
    wizard_readonly_sync_folder_warning,         // 138
    main_status_error,                           // 139
    tray_click_to_update,                        // 140
    read_only,                                   // 141
    err_autoconn_ctrl,                           // 142
    wizard_conflict_sync_folder_warning,         // 143
    btn_advanced,                                // 144
    main_desc_processing_count,                  // 145
    wizard_summary_table_except_path,            // 146
    err_share_perm,                              // 147
    setting_filter_table_desc,                   // 148
    err_auth,                                    // 149
    btn_settings,                                // 150
    upgrade_failed,                              // 151
    local_sv_search,                             // 152
    btn_back,                                    // 153
    main_queue_progress,                         // 154
    btn_start_now,                               // 155
    main_desc_processing_file,                   // 156
    setting_proxy_auth,                          // 157
    wizard_summary_table_server,                 // 158
    wizard_setsyncfolder_title,                  // 159
    err_invalid,                                 // 160
    msg_download_done,                           // 161
    err_ssl_change,                              // 162
    err_create_session_fail,                     // 163
    desc_nmbr_env_preparation_done,              // 164
    btn_cancel,                                  // 165
    err_version_client,                          // 166
    setting_filter_table_title,                  // 167
    manage_setting_applying,                     // 168
    tray_updating,                               // 169
    wizard_find_local_sv_tooltip,                // 170
    setting_option_start_upon_login,             // 171
    wizard_summary_desc,                         // 172
    wizard_network_err_sync_folder_warning,      // 173
};

const int NUM_STRING_IDS = 174;

// English text and key of each row, indexed by StringID. Null until
// InitStrTable() has run; afterwards only read.
extern const char* stab[NUM_STRING_IDS];
extern const char* ktab[NUM_STRING_IDS];

// Points stab and ktab at the constant texts and keys. Allocates nothing and
// may run again with the same result. Call on the GUI thread before the
// worker thread exists.
void InitStrTable();

// The row's text in the user's language, with every backslash-n turned into a
// line feed and every backslash-t into a tab. Empty for an id outside
// 0..NUM_STRING_IDS-1 and before InitStrTable(). Safe on any thread.
QString LoadStr(int id);

// The first identifier whose key equals strKey ignoring letter case, or -1
// (also -1 before InitStrTable()).
int LookupStrID(QString strKey);

}  // namespace StrTable

// Registers the built-in translation resources ":/<code>.qm" (generated by
// the resource compiler). Registering them again has no further effect.
int qInitResources_texts();
// Unregisters them again.
int qCleanupResources_texts();

#endif  // NIMBRA_LAUNCHER_TEXTS_STRTAB_H
