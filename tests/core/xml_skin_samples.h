#pragma once

#include <string>
#include <vector>

// Skin-like documents in UTF-8, shaped like the application's window skins:
// declarations, comments, nested layouts, image attribute strings, entities
// and Chinese text.
namespace xmlsamples {

inline const char* MainWindowSkin() {
    return u8R"(<?xml version="1.0" encoding="utf-8" standalone="yes" ?>
<Window size="760,520" caption="0,0,0,32" roundcorner="5,5" mininfo="600,400" showshadow="true">
  <Font id="0" name="微软雅黑" size="12" bold="false" default="true" />
  <Font id="1" name="微软雅黑" size="14" bold="true" />
  <Default name="Button" value="height=&quot;24&quot; textcolor=&quot;#FF333333&quot;" />
  <!-- title bar: the caption area drags the window -->
  <VerticalLayout bkcolor="#FFF2F2F2" bordersize="1" bordercolor="#FF6C6C6C">
    <HorizontalLayout height="32" bkimage="res='110' restype='PNG' corner='5,5,24,24'">
      <Label name="title" text="字体挂载 Quillet" textpadding="8,0,0,0" font="1" />
      <Control />
      <Button name="minbtn" width="26" height="18" normalimage="res='111' restype='PNG'" hotimage="res='112' restype='PNG'"/>
      <Button name="closebtn" width="26" height="18" tooltip="关闭 &amp; 退出" />
    </HorizontalLayout>
    <List name="fontlist" header="true" itemheight="24" vscrollbar="true" itemfont="0" itemselectedbkcolor="0xFFC1E3FF">
      <ListHeader height="24" bkimage="res='113' restype='PNG'">
        <ListHeaderItem text="文件名" width="180" sepwidth="1" />
        <ListHeaderItem text="路径" width="360" sepwidth="1" />
        <ListHeaderItem text="状态" width="80" sepwidth="1" />
        <ListHeaderItem text="删除" width="60" />
      </ListHeader>
    </List>
    <HorizontalLayout height="36" childpadding="8" inset="8,6,8,6">
      <Option name="copydir" text="复制目录" selected="true" group="action"/>
      <CheckBox name="openfolder" text="打开文件夹 &lt;定位&gt;" />
      <Button name="removeall" text="全部卸载" pos="0,0,80,24" float="false" />
    </HorizontalLayout>
  </VerticalLayout>
</Window>
)";
}

inline const char* CharMapSkin() {
    return u8R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- character map: a grid of buttons with a large preview -->
<Window size="640,560" caption="0,0,0,30" sizebox="4,4,4,4">
  <VerticalLayout bkimage="res='120' restype='PNG' corner='4,4,4,4' hole='false'">
    <HorizontalLayout name="titlebar" height="30">
      <Label name="fontname" text="CharSet Map — 字符表" align="left" endellipsis="true"/>
      <Button name="prev" text="&lt;&lt;" width="40"/><Button name="next" text="&gt;&gt;" width="40"/>
    </HorizontalLayout>
    <TileLayout name="grid" columns="14" itemsize="32,32" inset="4,4,4,4">
      <Button name="c0" text="字" userdata="0x5B57"/>
      <Button name="c1" text="&apos;" userdata="0x27"/>
      <Button name="c2" text="&quot;" userdata="0x22"/>
    </TileLayout>
    <Label name="preview" font="2" align="center">预览 &amp; 复制</Label>
  </VerticalLayout>
</Window>
)";
}

inline const char* MenuSkin() {
    return u8R"(<Window size="150,120">
	<VerticalLayout name="menu" bkcolor="#FFFFFFFF" inset="2,2,2,2" bordersize="1">
		<Button name="menu_copydir" text="复制所在目录" height="24" textpadding="24,0,0,0"
			hotbkcolor="#FFE5F3FF" />
		<Button name="menu_open" text="打开文件夹 / 定位" height="24" />
		<Control height="1" bkcolor="#FFDDDDDD"/>
		<Button name="menu_about" text="关于..." height="24" tooltip="it's a 'quoted' &gt; tip"/>
	</VerticalLayout>
</Window>)";
}

inline const char* AboutSkin() {
    return u8R"(<?xml version="1.0"?>
<Window size="320,200" caption="0,0,0,200">
  <Default name="Label" value="textcolor=&quot;#FF222222&quot; font=&quot;0&quot;"/>
  <VerticalLayout inset="12,12,12,12">
    <Label name="tip" height="80" multiline="true">将字体文件拖放到主窗口即可临时加载 &lt;不安装&gt;；
关闭窗口时全部卸载。</Label>
    <Button name="ok" text="确定" pos="120,150,200,176" float="true" />
  </VerticalLayout>
</Window>
)";
}

inline std::vector<std::string> AllSkins() {
    return {MainWindowSkin(), CharMapSkin(), MenuSkin(), AboutSkin()};
}

}  // namespace xmlsamples
