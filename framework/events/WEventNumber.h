#pragma once

#include <cstdint>

// The framework's events, numbered 0 to 189 in this order; code passes the
// number. The one list makes both the enumeration and the names.
// clang-format off
#define W_EVENTS(X)                                                                                              \
  X(BeforeProcessingEvent) X(AfterProcessingEvent) X(MouseMoveEvent) X(GetCursorEvent) X(GotFocusEvent)          \
  X(LostFocusEvent) X(ValidateEvent) X(PositionChangingEvent) X(SizeChangingEvent) X(PositionChangedEvent)       \
  X(EraseBackgroundEvent) X(PaintEvent) X(NonClientPaintEvent) X(ResizeEvent) X(NotifyEvent) X(CommandEvent)     \
  X(SystemCommandEvent) X(ControlColorEvent) X(NeedToolTipTextEvent) X(MoveEvent) X(ScrollEvent) X(UpdateEvent)  \
  X(ChangeEvent) X(PaletteChangedEvent) X(QueryNewPaletteEvent) X(ClientRectChangeEvent) X(ShowEvent)            \
  X(HideEvent) X(NullEvent) X(UnknownEvent) X(ClickEvent) X(DoubleClickEvent) X(LeftButtonUpEvent)               \
  X(LeftButtonDownEvent) X(LeftButtonDoubleEvent) X(MiddleButtonUpEvent) X(MiddleButtonDownEvent)                \
  X(MiddleButtonDoubleEvent) X(RightButtonUpEvent) X(RightButtonDownEvent) X(RightButtonDoubleEvent)             \
  X(SelectEvent) X(DropDownEvent) X(DropDownSelectEvent) X(SelectChangingEvent) X(ContextMenuEvent)              \
  X(DragContinueEvent) X(DragDropEvent) X(DragEndEvent) X(DragEnterEvent) X(DragFeedbackEvent)                   \
  X(DragLeaveEvent) X(DragOverEvent) X(DragStartEvent) X(DragScrollEvent) X(DragFillEvent) X(InitializeEvent)    \
  X(StartEvent) X(RunEvent) X(EndEvent) X(QuerySiblingEvent) X(PageSelectEvent) X(PageUnselectEvent)             \
  X(ApplyNowOrOKEvent) X(OKEvent) X(CancelEvent) X(HelpEvent) X(ContextHelpEvent) X(BackEvent) X(NextEvent)      \
  X(FinishEvent) X(QueryCancelEvent) X(BeginLabelEditEvent) X(EndLabelEditEvent) X(ExpandEvent)                  \
  X(CollapseEvent) X(MeasureItemEvent) X(DrawItemEvent) X(CompareItemEvent) X(DeleteItemEvent)                   \
  X(InsertItemEvent) X(DropFileEvent) X(ColumnClickEvent) X(UserEvent) X(CloseEvent) X(RightClickEvent)          \
  X(MessageHookEvent) X(CreateEvent) X(DestroyEvent) X(TimerEvent) X(HitTestEvent) X(KeyUpEvent)                 \
  X(KeyDownEvent) X(SystemKeyDownEvent) X(CharacterPressEvent) X(MenuSelectEvent) X(InitPopupMenuEvent)          \
  X(InitMenuEvent) X(PrivateMessageEvent) X(MinimizeEvent) X(MaximizeEvent) X(RestoreEvent) X(ActivateEvent)     \
  X(DeactivateEvent) X(EnterIdleEvent) X(CancelModeEvent) X(PrintEvent) X(PrintClientEvent) X(FindReplaceEvent)  \
  X(BeginOwnerDrawEvent) X(EndOwnerDrawEvent) X(DataAvailableEvent) X(DataRequestEvent) X(DataOpenEvent)         \
  X(DataCloseEvent) X(DataLookupItemEvent) X(DataGuardRowEvent) X(EndSessionEvent) X(QueryEndSessionEvent)       \
  X(ProcessAttachEvent) X(ProcessDetachEvent) X(ThreadAttachEvent) X(ThreadDetachEvent) X(NeedItemTextEvent)     \
  X(CalculateSizeEvent) X(MediaNotifyErrorEvent) X(MediaNotifyMediaEvent) X(MediaNotifyModeEvent)                \
  X(MediaNotifyPosEvent) X(MediaNotifySizeEvent) X(AnimationStartEvent) X(AnimationStopEvent)                    \
  X(ToolbarDragBeginEvent) X(ToolbarDragEndEvent) X(DeltaPositionEvent) X(NewFileTypeEvent)                      \
  X(SharingViolationEvent) X(InitializationDoneEvent) X(FolderChangeEvent) X(DockingChangeEvent)                 \
  X(CommonDialogPromptEvent) X(DeviceChangeEvent) X(DisplayChangeEvent) X(PowerBroadcastEvent)                   \
  X(SettingChangeEvent) X(UserChangedEvent) X(InputLangChangeEvent) X(InputLangChangeRequestEvent)               \
  X(SysColorChangeEvent) X(SysDeadCharEvent) X(CanInplaceActivateEvent) X(PropertyRequestEditEvent)              \
  X(PropertyChangedEvent) X(InplaceActivateEvent) X(InplaceDeactivateEvent) X(UIActivateEvent)                   \
  X(UIDeactivateEvent) X(PosRectChangeEvent) X(SetStatusTextEvent) X(RequestBorderSpaceEvent)                    \
  X(SetBorderSpaceEvent) X(GetBorderEvent) X(ViewChangeEvent) X(UpdateExtentsEvent)                              \
  X(SimpleFramePreMessageFilterEvent) X(SimpleFramePostMessageFilterEvent) X(NewObjectEvent)                     \
  X(QueryInterfaceEvent) X(AutomationErrorEvent) X(PersistenceInitNewEvent) X(PersistenceLoadEvent)              \
  X(PersistenceSaveEvent) X(PersistenceSaveCompletedEvent) X(PersistenceHandsOffEvent)                           \
  X(PersistenceMaximumSizeEvent) X(ShowWindowEvent) X(ViewableObjectDrawEvent) X(ConnectEvent)                   \
  X(DisconnectEvent) X(FetchDataEvent) X(MoveCursorEvent) X(AdjustCursorEvent) X(ValidateDataEvent)              \
  X(QueryBusyEvent) X(BeginFetchDataEvent) X(BeginMoveCursorEvent) X(QueryOpenEvent) X(QueryCloseEvent)          \
  X(QueryPrepareEvent) X(DatabaseErrorEvent)
// clang-format on

enum WEventNumber : int32_t {
#define W_EVENT_ENUMERATOR(name) name,
  W_EVENTS(W_EVENT_ENUMERATOR)
#undef W_EVENT_ENUMERATOR
};

namespace event_detail {
// One more enumerator after the list counts it.
enum Counter : int32_t {
#define W_EVENT_COUNTER(name) name,
  W_EVENTS(W_EVENT_COUNTER)
#undef W_EVENT_COUNTER
      kCount
};
}  // namespace event_detail

constexpr int32_t kEventCount = event_detail::kCount;
static_assert(kEventCount == 190, "the events are numbered 0 to 189");
static_assert(DatabaseErrorEvent == 189 && NullEvent == 28 && TimerEvent == 89, "numbers as the framework gives them");

// The event's name, or "" for a number outside the list.
const char* EventName(WEventNumber event);
