<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于 Corvana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvana电话会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本 %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
随时随地召开电话会议：即时会议、预约会议、
通信录、短信通知与录音试听。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确 定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressBookChange</name>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>通信录管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同步</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增分组</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>无法保存 %1 (%2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BillQueryWindow</name>
    <message>
        <source>详单查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议详单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信详单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起，您还没有登录！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel 工作簿(*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件导出失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共 %1 条记录，费用合计 %2 元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共 %1 条记录，会议时长 %2 分钟，费用合计 %3 元</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookingListModel</name>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookingLook</name>
    <message>
        <source>预约会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookingResult</name>
    <message>
        <source>没有收到服务的答复，请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议修改成功，请在预约时间等待会议呼叫！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议成功，请在预约时间等待会议呼叫！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookingSend</name>
    <message>
        <source>预约会议的时间不能小于当前时间！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议的时间不能大于当前时间之后一个月！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持人号码不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至少有一个参会人员！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChargeTableModel</name>
    <message>
        <source>手机号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>费用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议费用</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceJobs</name>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有收到会议编号，请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceStart</name>
    <message>
        <source>主持号码有误！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至少需要一名参会人员！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceWorkspace</name>
    <message>
        <source>电话会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议短信</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议室</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactDialog</name>
    <message>
        <source>编辑联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>男</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>女</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名和电话不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactExportJob</name>
    <message>
        <source>正在导出数据(%1)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactFileTransfer</name>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子表格(*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel 工作簿(*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件导出失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactImportJob</name>
    <message>
        <source>文件导入失败，请检查文件是否存在或已被其它程序打开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在导入数据(%1)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactPage</name>
    <message>
        <source>性别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>男</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>女</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名和电话不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactPicker</name>
    <message>
        <source>全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选好了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactTableModel</name>
    <message>
        <source>男</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>女</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsModel</name>
    <message>
        <source>未分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找结果 [%1]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsPanel</name>
    <message>
        <source>联系人组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人组管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向组员发起会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向组员发短信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同步</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移动至分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要删除该联系人组吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要删除选中的联系人信息吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未命名分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyAmountChart</name>
    <message>
        <source>每日费用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高 %1 元</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitPromptDialog</name>
    <message>
        <source>最小化到系统托盘，不退出程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不再提醒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出Corvana</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupNameDialog</name>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分组名称：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupPage</name>
    <message>
        <source>修改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有选中联系人组，请先选中联系人组再删除!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要删除该%1组吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要删除选中的联系人信息吗？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFileDialog</name>
    <message>
        <source>浏览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请点此处下载号码文件模板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择导入的文件，类型为：*.txt,*.xsl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>也可导入 Excel 工作簿(*.xlsx)和 CSV 文件(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子表格(*.xls *.xlsx *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstantMeetingPage</name>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议主题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加参会人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入参会人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信通知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动追呼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部禁言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部追呼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参会人员</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未参会者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已参会者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总人数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未参会者：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已参会者：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实时状态中断，正在重新连接…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点击结束当前会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话号码格式有误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件导入失败，请检查文件是否存在或已被其它程序打开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起，您还没有登录！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在发起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>追呼所有</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂停录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部发言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在追呼</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JoinedListModel</name>
    <message>
        <source>加入时间：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>登    录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在登录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登录失败（错误代码：%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帐号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在登录.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免费注册</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvana官网</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登录超时，请检查您的网络或重新登录。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>通信录管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进入corvana官网</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主菜单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时会议    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送短信</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>账户充值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详单查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音试听</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件升级</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关    于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更改用户</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退    出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存账户信息失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您的程序已是最新版本。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前版本太旧，请升级最新版程序。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有新版本程序，现在升级吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>账号设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>账户转账</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请通过软件包管理器升级 Corvana。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeetingListDelegate</name>
    <message>
        <source>会议开始时间：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeetingListPage</name>
    <message>
        <source>会议主题、时间、主持号码或参会号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeetingListing</name>
    <message>
        <source>(无主题)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeetingSettingsDialog</name>
    <message>
        <source>会议设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持人号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议设置成功！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxDialog</name>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGroupPage</name>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人组名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议组名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建联系人组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建会议组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <source>无法读取 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有要保存的帐号</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParticipantImportJob</name>
    <message>
        <source>正在导入数据(%1)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>修改密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原始密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新设密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入原密码！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入新密码！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两次输入的密码不一致！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密码修改成功！请用新密码重新登录！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PastMeetingsModel</name>
    <message>
        <source>即时  预约</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议主题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新发起</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivateProfile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>账号设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>身份证</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>护照</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>军官证</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>户口本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>营业执照</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>男</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>女</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证件类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性    别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证件号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子邮件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>邮    编</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>街    道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>城    市</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>省    份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国    家</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备    注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帐号资料保存成功！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>正在处理中...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成功：%1,失败：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingTableModel</name>
    <message>
        <source>双击试听录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音试听</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音文件</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingWindow</name>
    <message>
        <source>录音试听</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起，您还没有登录！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoomInfoPage</name>
    <message>
        <source>我的会议室</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拨入号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全国统一接入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免费电话接入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本地接入一：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本地接入二：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参会人拨打以上任一号码，按提示输入参会人密码即可加入会议。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起，还没有设置会议密码，请单机右边的“重设密码”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持人密码：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参会人密码：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterText</name>
    <message>
        <source>旁听</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>禁言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>呼叫</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挂断</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduledMeetingPage</name>
    <message>
        <source>会议主题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加参会人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入参会人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信通知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动追呼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会议录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部禁言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑会议</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主持号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预约时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参会人员</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总人数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话号码格式有误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件导入失败，请检查文件是否存在或已被其它程序打开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起，您还没有登录！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帐    号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsJobs</name>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source>定时发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信签名加短信内容的总长度不能超过250字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信长度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入XLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发  送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收者(接收者之间用逗号,分隔符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共%1字，按%2条短信计费，接收者%3个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子表格(*.xls *.xlsx *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信内容不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系人不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定时发送短信的时间必须大于当前时间之后 5 分钟，请修改！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您发送的短信加上签名的长度超过 250 个字符，请修改后重新发送！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsRecipientImportJob</name>
    <message>
        <source>正在导入数据(%1)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsSendJob</name>
    <message>
        <source>网络连接已断开,请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信已经发送！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsSignatureDialog</name>
    <message>
        <source>设置短信签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短 信 签 名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短信签名设置成功！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>账户转账</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入帐号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转账金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转账成功!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入的金额有误!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>显示Corvana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出Corvana</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdaterLauncher</name>
    <message>
        <source>未找到升级程序（%1），无法自动升级。请重新安装Corvana。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>升级程序（%1）无法启动，请稍后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingListModel</name>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
