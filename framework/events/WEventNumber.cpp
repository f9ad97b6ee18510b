#include "framework/events/WEventNumber.h"

namespace {

// clang-format off
constexpr const char* kNames[kEventCount] = {
    "BeforeProcessingEvent", "AfterProcessingEvent", "MouseMoveEvent", "GetCursorEvent", "GotFocusEvent",
    "LostFocusEvent", "ValidateEvent", "PositionChangingEvent", "SizeChangingEvent", "PositionChangedEvent",
    "EraseBackgroundEvent", "PaintEvent", "NonClientPaintEvent", "ResizeEvent", "NotifyEvent",
    "CommandEvent", "SystemCommandEvent", "ControlColorEvent", "NeedToolTipTextEvent", "MoveEvent",
    "ScrollEvent", "UpdateEvent", "ChangeEvent", "PaletteChangedEvent", "QueryNewPaletteEvent",
    "ClientRectChangeEvent", "ShowEvent", "HideEvent", "NullEvent", "UnknownEvent",
    "ClickEvent", "DoubleClickEvent", "LeftButtonUpEvent", "LeftButtonDownEvent", "LeftButtonDoubleEvent",
    "MiddleButtonUpEvent", "MiddleButtonDownEvent", "MiddleButtonDoubleEvent", "RightButtonUpEvent", "RightButtonDownEvent",
    "RightButtonDoubleEvent", "SelectEvent", "DropDownEvent", "DropDownSelectEvent", "SelectChangingEvent",
    "ContextMenuEvent", "DragContinueEvent", "DragDropEvent", "DragEndEvent", "DragEnterEvent",
    "DragFeedbackEvent", "DragLeaveEvent", "DragOverEvent", "DragStartEvent", "DragScrollEvent",
    "DragFillEvent", "InitializeEvent", "StartEvent", "RunEvent", "EndEvent",
    "QuerySiblingEvent", "PageSelectEvent", "PageUnselectEvent", "ApplyNowOrOKEvent", "OKEvent",
    "CancelEvent", "HelpEvent", "ContextHelpEvent", "BackEvent", "NextEvent",
    "FinishEvent", "QueryCancelEvent", "BeginLabelEditEvent", "EndLabelEditEvent", "ExpandEvent",
    "CollapseEvent", "MeasureItemEvent", "DrawItemEvent", "CompareItemEvent", "DeleteItemEvent",
    "InsertItemEvent", "DropFileEvent", "ColumnClickEvent", "UserEvent", "CloseEvent",
    "RightClickEvent", "MessageHookEvent", "CreateEvent", "DestroyEvent", "TimerEvent",
    "HitTestEvent", "KeyUpEvent", "KeyDownEvent", "SystemKeyDownEvent", "CharacterPressEvent",
    "MenuSelectEvent", "InitPopupMenuEvent", "InitMenuEvent", "PrivateMessageEvent", "MinimizeEvent",
    "MaximizeEvent", "RestoreEvent", "ActivateEvent", "DeactivateEvent", "EnterIdleEvent",
    "CancelModeEvent", "PrintEvent", "PrintClientEvent", "FindReplaceEvent", "BeginOwnerDrawEvent",
    "EndOwnerDrawEvent", "DataAvailableEvent", "DataRequestEvent", "DataOpenEvent", "DataCloseEvent",
    "DataLookupItemEvent", "DataGuardRowEvent", "EndSessionEvent", "QueryEndSessionEvent", "ProcessAttachEvent",
    "ProcessDetachEvent", "ThreadAttachEvent", "ThreadDetachEvent", "NeedItemTextEvent", "CalculateSizeEvent",
    "MediaNotifyErrorEvent", "MediaNotifyMediaEvent", "MediaNotifyModeEvent", "MediaNotifyPosEvent", "MediaNotifySizeEvent",
    "AnimationStartEvent", "AnimationStopEvent", "ToolbarDragBeginEvent", "ToolbarDragEndEvent", "DeltaPositionEvent",
    "NewFileTypeEvent", "SharingViolationEvent", "InitializationDoneEvent", "FolderChangeEvent", "DockingChangeEvent",
    "CommonDialogPromptEvent", "DeviceChangeEvent", "DisplayChangeEvent", "PowerBroadcastEvent", "SettingChangeEvent",
    "UserChangedEvent", "InputLangChangeEvent", "InputLangChangeRequestEvent", "SysColorChangeEvent", "SysDeadCharEvent",
    "CanInplaceActivateEvent", "PropertyRequestEditEvent", "PropertyChangedEvent", "InplaceActivateEvent", "InplaceDeactivateEvent",
    "UIActivateEvent", "UIDeactivateEvent", "PosRectChangeEvent", "SetStatusTextEvent", "RequestBorderSpaceEvent",
    "SetBorderSpaceEvent", "GetBorderEvent", "ViewChangeEvent", "UpdateExtentsEvent", "SimpleFramePreMessageFilterEvent",
    "SimpleFramePostMessageFilterEvent", "NewObjectEvent", "QueryInterfaceEvent", "AutomationErrorEvent", "PersistenceInitNewEvent",
    "PersistenceLoadEvent", "PersistenceSaveEvent", "PersistenceSaveCompletedEvent", "PersistenceHandsOffEvent", "PersistenceMaximumSizeEvent",
    "ShowWindowEvent", "ViewableObjectDrawEvent", "ConnectEvent", "DisconnectEvent", "FetchDataEvent",
    "MoveCursorEvent", "AdjustCursorEvent", "ValidateDataEvent", "QueryBusyEvent", "BeginFetchDataEvent",
    "BeginMoveCursorEvent", "QueryOpenEvent", "QueryCloseEvent", "QueryPrepareEvent", "DatabaseErrorEvent",
};
// clang-format on

}  // namespace

const char* EventName(int32_t event) { return event >= 0 && event < kEventCount ? kNames[event] : ""; }
